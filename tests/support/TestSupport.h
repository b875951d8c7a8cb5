#pragma once

#include <QString>

// Paths of the test sources and fixtures.
inline QString testSourcePath(const QString& relative)
{
    return QStringLiteral(ZFN_TEST_SOURCE_DIR "/") + relative;
}
