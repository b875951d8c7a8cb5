#pragma once

#include <QString>

// Opens the fan catalogue and tells in one line which catalogue the program works with, or why it
// could not be opened; the frame shows this in its status bar at start.
QString openCatalogueStatus();
