#pragma once

#include "fans/FanCatalogueKind.h"
#include "fans/FanRecord.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The fan catalogue of the alias VOzuvada: its records read into memory once, and the grouped lists the
// selection windows fill themselves from, grouped from those records. Every function throws CatalogueError
// on a store error, and so does a catalogue table that lacks a column the program reads.
namespace fans {

// Groups of the general-ventilation selection window and the icons of its series lists.
enum class FanGroup { Duct, Roof, Pressurization };
enum SeriesIcon {
    RoundDuctIcon = 0,
    RectangularDuctIcon = 1,
    SquareDuctIcon = 2,
    RoofIcon = 3,
    PressurizationIcon = 4
};

struct SeriesEntry {
    QString name; // caption: series name cut to 25 characters
    FanGroup group = FanGroup::Duct;
    int icon = RoundDuctIcon;
    bool krugl = false;
    bool krysh = false;
    bool podpor = false;
};

// Groups of the smoke-exhaust selection window; the icon is 0 for roof and wall fans, 1 for radial and axial.
enum class SmokeGroup { RoofWall, RadialAxial };

struct SmokeSeriesEntry {
    QString name; // cut to 25 characters
    SmokeGroup group = SmokeGroup::RoofWall;
    int icon = 0;
};

// Icons of the duct-size list.
enum DuctSizeIcon { RoundSizeIcon = 0, RectangularSizeIcon = 1, SquareSizeIcon = 2 };

struct DuctSizeEntry {
    QString text; // "315" or "500*300"
    int icon = RoundSizeIcon;
};

class FanCatalogue {
public:
    using Records = std::shared_ptr<const std::vector<FanRecord>>;

    // Every record of a catalogue table in the store's order. Read once and kept until the alias's
    // configuration changes or invalidate() is called; the returned list stays valid while held.
    static Records records(CatalogueKind kind);
    static void invalidate();

    // The series of the general catalogue (series name cut to 25 characters), sorted by Krugl, Krysh,
    // Podpor, Name (false before true, names by their character codes), each with the group and icon of
    // its list.
    static std::vector<SeriesEntry> generalSeries();
    // Whether a rectangular series has a size with A = B.
    static bool hasSquareSections(const QString& seriesName);
    // The distinct duct sizes of duct fans (neither roof nor pressurization), sorted by Krugl, A, B.
    static std::vector<DuctSizeEntry> ductSizes();
    // The distinct impeller diameters as texts, sorted as text.
    static QStringList diameterTexts(CatalogueKind kind);
    // The smoke-exhaust series sorted by name (character codes); a series' group is decided by Davlen of
    // its first record in the table's order.
    static std::vector<SmokeSeriesEntry> smokeSeries();

    // The only write into the catalogue: the series overview keeps a label placed by hand at a flow. The
    // fan's record is found by series name, D, N, AutoName and Davlen (hand-named fans: by ManualName
    // instead of D). Returns the number of records written; the cached records are read again next time.
    static int saveLabelPosition(const FanRecord& fan, double flow);

    // Reads every record of a catalogue table of db in the store's order (no caching).
    static std::vector<FanRecord> load(const QSqlDatabase& db, CatalogueKind kind);
};

} // namespace fans
