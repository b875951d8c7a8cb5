#pragma once

#include <QString>

// The system's reason why a file could not be written or read, as the user reads it: in Russian for the
// common causes (no access, a full disk, a read-only file system, a missing folder), otherwise the
// system's own text.

// The reason for an error code of the system (errno).
QString systemReason(int errorCode);
// The same for the system's text of a fault ("No space left on device"), as Qt's file classes give it.
QString systemReason(const QString& systemText);
