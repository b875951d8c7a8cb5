#pragma once

#include "common/ProjectFile.h"
#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// The project file of the air-heating unit window (*.lumaprj): one fixed record of 236 bytes holding
// the window's inputs as typed, numbers with a separator-independent decimal mark.
namespace heating {

inline constexpr int heatingProjectRecordSize = 236;
inline constexpr int heatingProjectNameCapacity = 100;
inline constexpr int heatingProjectNumberCapacity = 16;

// The inputs as the window holds them: item indices and the boxes' texts.
struct HeatingUnitProject {
    QString projectName;
    qint32 buildingType = 0;
    QString tv, tn, tw1, tw2;
    qint32 angleItem = 0;
    qint32 mode = 0;
    QString volume, demand, gains;

    bool operator==(const HeatingUnitProject&) const = default;
};

// `decimalSeparator` is the separator of the box texts (the system separator in the window).
QByteArray encodeHeatingUnitProject(const HeatingUnitProject& project, QChar decimalSeparator);
// Reads the first record; a shorter or malformed record gives nothing. Bytes after the record are ignored.
std::optional<HeatingUnitProject> decodeHeatingUnitProject(const QByteArray& bytes, QChar decimalSeparator);

// Loaded and saved through loadProjectFile and saveProjectFile.
const ProjectFileKind<HeatingUnitProject>& heatingProjectFile();

} // namespace heating
