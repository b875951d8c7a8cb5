#include "cli/CliCommand.h"
#include "common/StoreError.h"
#include "fans/FanCatalogue.h"
#include "fans/FanDesignation.h"
#include "fans/SmokeSelectionRequest.h"
#include "fanviews/FanCurveSet.h"
#include "fanviews/FanKind.h"
#include "fanviews/SoundPowerLevels.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli fan: one catalogue fan as its graphs window and data sheet show it: the tabulated curve, the
// kind, pressure and power at a working flow, and the octave spectra of its noise levels.
namespace {

using namespace fanviews;

QString kindName(FanKind kind)
{
    switch (kind) {
    case FanKind::RoofLowNoise:
        return u"roof_low_noise"_s;
    case FanKind::Axial:
        return u"axial"_s;
    case FanKind::Roof:
        return u"roof"_s;
    case FanKind::Duct:
        break;
    }
    return u"duct"_s;
}

QJsonValue levelsJson(const std::optional<OctaveLevels>& levels)
{
    if (!levels)
        return QJsonValue::Null;
    QJsonArray bands;
    for (const double level : *levels)
        bands.append(level);
    return bands;
}

QString levelsText(const std::optional<OctaveLevels>& levels)
{
    if (!levels)
        return u"-"_s;
    QStringList bands;
    for (const double level : *levels)
        bands << QString::number(level);
    return bands.join(u' ');
}

const FanRecord* findFan(
    const std::vector<FanRecord>& records, const QString& wanted, fans::CatalogueKind kind)
{
    for (const FanRecord& record : records) {
        if (fans::designation(record, kind).compare(wanted, Qt::CaseInsensitive) == 0)
            return &record;
    }
    return nullptr;
}

int runFan(cli::Arguments& args)
{
    static const QStringList known {u"--designation"_s, u"--flow"_s, u"--smoke"_s, u"--temperature"_s};
    for (const QString& flag : args.unknownFlags(known))
        args.addError(u"unknown option "_s + flag);
    const QString wanted = args.value(u"--designation"_s).value_or(QString()).trimmed();
    if (wanted.isEmpty())
        args.addError(u"fan needs --designation TEXT"_s);
    const bool smoke = args.has(u"--smoke"_s);
    const auto flow = args.number(u"--flow"_s);
    if (flow && !(*flow > 0))
        args.addError(u"--flow must be greater than zero"_s);
    const auto temperature = args.number(u"--temperature"_s);
    if (temperature && !smoke)
        args.addError(u"--temperature is the gas temperature of a smoke-exhaust fan: give --smoke too"_s);
    if (temperature && !(*temperature > -273))
        args.addError(u"--temperature must be above -273 °C"_s);
    if (!args.errors().isEmpty())
        return cli::BadArguments;

    const fans::CatalogueKind kind = smoke ? fans::CatalogueKind::Smoke : fans::CatalogueKind::General;
    fans::FanCatalogue::Records records;
    try {
        records = fans::FanCatalogue::records(kind);
    } catch (const CatalogueError& error) {
        cli::printError(error.message());
        return cli::Failure;
    }
    const FanRecord* found = findFan(*records, wanted, kind);
    if (!found) {
        args.addError(u"no fan \""_s + wanted + u"\" in the "_s + (smoke ? u"smoke-exhaust"_s : u"general"_s)
            + u" catalogue"_s);
        return cli::BadArguments;
    }

    const QString designation = fans::designation(*found, kind);
    FanCurveSet curves = curveSetOf(*found);
    if (smoke) {
        const double factor = fans::gasCurveFactor(temperature.value_or(20));
        for (int i = 0; i < curves.pointCount; ++i) {
            curves.pressurePoints[i] *= factor;
            curves.powerPoints[i] *= factor;
        }
    }
    // Copied out of the optional: GCC's release build otherwise warns of fields it cannot see set.
    WorkingPoint point {};
    bool hasPoint = false;
    if (flow) {
        if (const auto found = workingPointAt(curves, *flow)) {
            point = *found;
            hasPoint = true;
        }
    }
    const SoundPowerLevels octaves
        = soundPowerLevels(designation, found->lpaInput, found->lpaOutput, found->lpaArround);

    if (args.has(u"--json"_s)) {
        QJsonArray curve;
        for (int i = 0; i < curves.pointCount; ++i)
            curve.append(QJsonArray {curves.flowPoints[i], curves.pressurePoints[i], curves.powerPoints[i]});
        QJsonValue working = QJsonValue::Null;
        if (hasPoint)
            working = QJsonObject {{u"flow"_s, point.flow}, {u"pressure"_s, point.pressure},
                {u"power"_s, cli::jsonNumber(point.power)}};
        cli::printJson(QJsonObject {
            {u"designation"_s, designation},
            {u"kind"_s, kindName(fanKindOf(designation))},
            {u"curve"_s, curve},
            {u"working_point"_s, working},
            {u"octaves"_s,
                QJsonObject {{u"inlet"_s, levelsJson(octaves.inlet)},
                    {u"outlet"_s, levelsJson(octaves.outlet)}, {u"case"_s, levelsJson(octaves.casing)}}},
        });
        return cli::Ok;
    }
    cli::printLine(designation + u"  ("_s + kindName(fanKindOf(designation)) + u")"_s);
    for (int i = 0; i < curves.pointCount; ++i)
        cli::printLine(u"%1\t%2\t%3"_s.arg(curves.flowPoints[i])
                           .arg(curves.pressurePoints[i])
                           .arg(curves.powerPoints[i]));
    if (flow) {
        cli::printLine(hasPoint ? u"working point %1 m3/h: %2 Pa, %3 kW"_s.arg(point.flow)
                                      .arg(point.pressure)
                                      .arg(point.power)
                                : u"working point %1 m3/h: outside the curve"_s.arg(*flow));
    }
    cli::printLine(u"octaves inlet:  "_s + levelsText(octaves.inlet));
    cli::printLine(u"octaves outlet: "_s + levelsText(octaves.outlet));
    cli::printLine(u"octaves case:   "_s + levelsText(octaves.casing));
    return cli::Ok;
}

} // namespace

ZFN_CLI_COMMAND("fan", "fan --designation TEXT [--flow Q] [--smoke [--temperature T]] [--json]", runFan);
