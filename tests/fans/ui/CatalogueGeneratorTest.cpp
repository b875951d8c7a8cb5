#include "generator/CatalogueGenerator.h"
#include "fans/FanDesignation.h"
#include "generator/CatalogueGeneratorTsv.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

using fans::CatalogueGenerator;
using fans::CatalogueKind;

namespace {

const std::vector<FanRecord>& general()
{
    static const auto fans = CatalogueGenerator::generalFans();
    return fans;
}

const std::vector<FanRecord>& smoke()
{
    static const auto fans = CatalogueGenerator::smokeFans();
    return fans;
}

// A series is the set of records with the same name and flags.
QString seriesKey(const FanRecord& f)
{
    return f.name + QStringLiteral("|%1%2%3").arg(f.krugl).arg(f.krysh).arg(f.podpor);
}

std::map<QString, std::vector<const FanRecord*>> bySeries(const std::vector<FanRecord>& fans)
{
    std::map<QString, std::vector<const FanRecord*>> series;
    for (const FanRecord& f : fans)
        series[seriesKey(f)].push_back(&f);
    return series;
}

double efficiency(const FanRecord& f, int i)
{
    return f.flow(i) * f.pressure(i) / (3600 * 1000 * f.power(i));
}

// Does the curve cross the system parabola through (q, p) within ±15 % of q? Hot gas scales the catalogue
// pressures (tabulated for air at 20 °C) by 293/(T + 273).
bool crossesDuty(const FanRecord& f, double q, double p, double gasTemperature = 20)
{
    const double k = p / (q * q);
    const double hot = 293 / (gasTemperature + 273);
    for (int i = 1; i < f.pointCount; ++i) {
        const double above = f.pressure(i - 1) * hot - k * f.flow(i - 1) * f.flow(i - 1);
        const double below = f.pressure(i) * hot - k * f.flow(i) * f.flow(i);
        if (above > 0 && below <= 0) {
            const double x = f.flow(i - 1) + (f.flow(i) - f.flow(i - 1)) * above / (above - below);
            return x >= 0.85 * q && x <= 1.15 * q;
        }
    }
    return false;
}

QString readUtf8(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(CatalogueGenerator, EveryCurveIsPhysicalAndWellFormed)
{
    for (const auto* table : {&general(), &smoke()}) {
        for (const FanRecord& f : *table) {
            SCOPED_TRACE(
                f.name.toStdString() + " D=" + std::to_string(f.d) + " poles=" + std::to_string(f.polus));
            ASSERT_GE(f.pointCount, 7);
            ASSERT_LE(f.pointCount, 20);
            for (int i = 0; i < FanRecord::maxPoints; ++i) {
                const bool inCurve = i < f.pointCount;
                for (int column : {i, 20 + i, 40 + i, 60 + i})
                    EXPECT_EQ(f.columns[column].has_value(), inCurve) << "column " << column + 1;
            }
            for (int i = 0; i < f.pointCount; ++i) {
                EXPECT_GT(f.pressure(i), 0);
                EXPECT_GE(efficiency(f, i), 0.15) << "point " << i + 1;
                EXPECT_LE(efficiency(f, i), 0.88) << "point " << i + 1;
                EXPECT_NEAR(f.extra(i), efficiency(f, i), 0.0006) << "stored efficiency, point " << i + 1;
                if (i > 0) {
                    EXPECT_GT(f.flow(i), f.flow(i - 1)) << "flows ascend, point " << i + 1;
                    EXPECT_LE(f.pressure(i), f.pressure(i - 1))
                        << "pressure falls with flow, point " << i + 1;
                }
            }
        }
    }
}

// Within a series every fan is the same impeller scaled: flow ∝ n·D³, pressure ∝ n²·D², power ∝ n³·D⁵,
// up to the stored rounding (1 m³/h, 1 Pa, 0.001 kW).
TEST(CatalogueGenerator, FansOfOneSeriesFollowTheFanLaws)
{
    for (const auto* table : {&general(), &smoke()}) {
        for (const auto& [key, fans] : bySeries(*table)) {
            const FanRecord& base = *fans.front();
            for (const FanRecord* f : fans) {
                SCOPED_TRACE(key.toStdString() + " D=" + std::to_string(f->d) + " n=" + std::to_string(f->n));
                ASSERT_EQ(f->pointCount, base.pointCount);
                const double speed = static_cast<double>(f->n) / base.n;
                const double size = static_cast<double>(f->d) / base.d;
                const double rq = speed * std::pow(size, 3);
                const double rp = speed * speed * size * size;
                const double rw = std::pow(speed, 3) * std::pow(size, 5);
                for (int i = 0; i < f->pointCount; ++i) {
                    EXPECT_NEAR(f->flow(i), base.flow(i) * rq, 0.5 + 0.5 * rq + 1e-9);
                    EXPECT_NEAR(f->pressure(i), base.pressure(i) * rp, 0.5 + 0.5 * rp + 1e-9);
                    if (base.power(i) > 0.001 && f->power(i) > 0.001) {
                        EXPECT_NEAR(f->power(i), base.power(i) * rw, 0.0005 + 0.0005 * rw + 1e-9);
                    }
                }
            }
        }
    }
}

TEST(CatalogueGenerator, GeneralTableHasTheSeriesMixOfARealCatalogue)
{
    const auto series = bySeries(general());
    EXPECT_GE(series.size(), 12u);
    EXPECT_GE(general().size(), 300u);

    bool duna = false, roundDuct = false, squareRect = false, plainRect = false, gest = false, ltmzh = false;
    bool podporTotal = false, podporStatic = false, manual = false;
    for (const auto& [key, fans] : series) {
        const FanRecord& f = *fans.front();
        const bool duct = !f.krysh && !f.podpor;
        const bool square = std::any_of(fans.begin(), fans.end(), [](auto* x) { return x->a == x->b; });
        duna |= f.name == QStringLiteral("ДЮНА") && f.krugl && duct;
        roundDuct |= f.krugl && duct && f.name != QStringLiteral("ДЮНА");
        squareRect |= !f.krugl && duct && square;
        plainRect |= !f.krugl && duct && !square;
        gest |= f.krysh && f.name.contains(QStringLiteral("ГЭСТ"));
        ltmzh |= f.krysh && f.name.contains(QStringLiteral("ЛТМЖ"));
        podporTotal |= f.podpor && f.davlen;
        podporStatic |= f.podpor && !f.davlen;
        if (!f.autoName) {
            manual = true;
            for (auto* x : fans) {
                EXPECT_FALSE(x->manualName.isEmpty());
                EXPECT_LE(x->manualName.size(), 15);
            }
        }
        EXPECT_TRUE(!f.krugl || duct) << "only duct fans have round connections: " << key.toStdString();
    }
    EXPECT_TRUE(duna && roundDuct && squareRect && plainRect && gest && ltmzh);
    EXPECT_TRUE(podporTotal && podporStatic && manual);

    std::set<int> poles;
    std::set<bool> phases;
    int dMin = 10000, dMax = 0;
    for (const FanRecord& f : general()) {
        poles.insert(f.polus);
        phases.insert(f.fazkol);
        dMin = std::min(dMin, f.d);
        dMax = std::max(dMax, f.d);
    }
    EXPECT_EQ(poles, (std::set<int> {2, 4, 6, 8}));
    EXPECT_EQ(phases.size(), 2u);
    EXPECT_LE(dMin, 200);
    EXPECT_GE(dMax, 1250);
}

TEST(CatalogueGenerator, SmokeTableHasTheSeriesMixOfARealCatalogue)
{
    const auto series = bySeries(smoke());
    EXPECT_GE(series.size(), 6u);
    EXPECT_GE(smoke().size(), 80u);
    bool roofOrWall = false, radialOrAxial = false, zhest = false;
    for (const auto& [key, fans] : series) {
        const FanRecord& f = *fans.front();
        roofOrWall |= !f.davlen;
        radialOrAxial |= f.davlen;
        zhest |= f.davlen && f.name.contains(QStringLiteral("ЖЭСТ"));
    }
    EXPECT_TRUE(roofOrWall && radialOrAxial && zhest);

    std::set<int> poles;
    int hot = 0;
    for (const FanRecord& f : smoke()) {
        poles.insert(f.polus);
        EXPECT_TRUE(f.fazkol);
        if (f.stoikost) {
            ++hot;
            EXPECT_GT(f.money600, f.money) << "the 600 °C variant costs more";
        }
    }
    EXPECT_GT(hot, 0);
    EXPECT_LT(hot, static_cast<int>(smoke().size()));
    EXPECT_EQ(*poles.begin(), 2);
    EXPECT_EQ(*poles.rbegin(), 16);
    EXPECT_TRUE(poles.count(12) && poles.count(16));
}

// Names, designations and texts stay within what the tables and the designation rules can hold, and the
// motor and commercial data are plausible for the size.
TEST(CatalogueGenerator, RecordsFitTheTablesAndArePlausible)
{
    const std::pair<const std::vector<FanRecord>*, CatalogueKind> tables[]
        = {{&general(), CatalogueKind::General}, {&smoke(), CatalogueKind::Smoke}};
    for (const auto& [table, kind] : tables) {
        QSet<QString> designations;
        for (const FanRecord& f : *table) {
            const QString designation = fans::designation(f, kind);
            SCOPED_TRACE(designation.toStdString());
            EXPECT_LE(f.name.size(), 25);
            EXPECT_EQ(fans::designationBeforeCut(f, kind), designation);
            EXPECT_FALSE(designations.contains(designation));
            designations.insert(designation);

            // An induction motor runs a few per cent below its synchronous speed.
            const int synchronous = 6000 / f.polus;
            EXPECT_LT(f.n, synchronous) << f.polus << " poles";
            EXPECT_GT(f.n, 0.85 * synchronous) << f.polus << " poles";
            bool ok = false;
            const double installed = QString(f.ny).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            ASSERT_TRUE(ok) << f.ny.toStdString();
            EXPECT_LE(f.ny.size(), 10);
            double maxPower = 0;
            for (int i = 0; i < f.pointCount; ++i)
                maxPower = std::max(maxPower, f.power(i));
            EXPECT_GE(installed, maxPower * (f.name == QStringLiteral("ДЮНА") ? 0.7 : 1.0));
            EXPECT_LE(installed, std::max(0.09, maxPower * 2.0)) << "a motor not grossly oversized";
            EXPECT_GT(f.massa, 1);
            EXPECT_GT(f.money, 1000);
            EXPECT_GT(f.lpaInput, 40);
            EXPECT_LT(f.lpaOutput, 125);
            EXPECT_LT(f.lpaArround, f.lpaInput);
            if (kind == CatalogueKind::General) {
                EXPECT_GT(f.dlina, 0.4 * f.d) << "casing length";
                EXPECT_LT(f.dlina, 2.0 * f.d + 500);
            }
        }
    }
    // The series chart has room for 35 fan curves.
    for (const auto* table : {&general(), &smoke()}) {
        for (const auto& [key, fans] : bySeries(*table))
            EXPECT_LE(fans.size(), 35u) << key.toStdString();
    }
    // Bigger fans of a series weigh and cost more.
    for (const auto& [key, fans] : bySeries(general())) {
        for (const FanRecord* f : fans) {
            for (const FanRecord* g : fans) {
                if (g->d > f->d && g->ny == f->ny && g->fazkol == f->fazkol) {
                    EXPECT_GT(g->massa, f->massa) << key.toStdString();
                    EXPECT_GT(g->money, f->money) << key.toStdString();
                }
            }
        }
    }
}

// A typical duty finds fans of several duct series, roof and pressurization fans, and smoke fans of both
// groups, without flooding the result beyond what a selection can show.
TEST(CatalogueGenerator, TypicalDutiesFindSeveralSeries)
{
    struct Case {
        const char* group;
        double q, p;
        std::size_t minSeries;
        double gasTemperature = 20;
    };
    const Case cases[] = {{"duct", 5000, 500, 5}, {"duct", 2000, 300, 5}, {"duct", 10000, 800, 3},
        {"roof", 5000, 500, 2}, {"podpor", 10000, 800, 2}, {"smoke roof", 10000, 800, 2},
        {"smoke roof", 20000, 600, 2, 400}, {"smoke radial", 20000, 600, 2},
        {"smoke radial", 30000, 800, 3, 400}, {"smoke radial", 20000, 600, 2, 600}};
    for (const Case& c : cases) {
        const std::string group = c.group;
        const bool smokeGroup = group.starts_with("smoke");
        QSet<QString> series;
        std::size_t fans = 0;
        for (const FanRecord& f : smokeGroup ? smoke() : general()) {
            const bool inGroup = group == "duct" ? !f.krysh && !f.podpor
                : group == "roof"                ? f.krysh
                : group == "podpor"              ? f.podpor && f.davlen
                : group == "smoke roof"          ? !f.davlen
                                                 : f.davlen;
            if (inGroup && crossesDuty(f, c.q, c.p, c.gasTemperature)) {
                series.insert(seriesKey(f));
                ++fans;
            }
        }
        SCOPED_TRACE(group + " " + std::to_string(c.q) + " m3/h " + std::to_string(c.p) + " Pa "
            + std::to_string(c.gasTemperature) + " C");
        EXPECT_GE(static_cast<std::size_t>(series.size()), c.minSeries);
        EXPECT_LT(fans, 30u);
    }
}

TEST(CatalogueGenerator, IsDeterministicAndScalesToAnyCount)
{
    EXPECT_EQ(fans::catalogueTsv(CatalogueKind::General, CatalogueGenerator::generalFans()),
        fans::catalogueTsv(CatalogueKind::General, general()));

    for (int count : {1, 150, 343, 344, 5000}) {
        SCOPED_TRACE(count);
        const auto scaled = CatalogueGenerator::generalFans(count);
        ASSERT_EQ(scaled.size(), static_cast<std::size_t>(count));
        // The bundled records come first, unchanged.
        const std::size_t shared = std::min(scaled.size(), general().size());
        EXPECT_EQ(fans::catalogueTsv(CatalogueKind::General, {scaled.begin(), scaled.begin() + shared}),
            fans::catalogueTsv(CatalogueKind::General, {general().begin(), general().begin() + shared}));
        QSet<QString> designations;
        for (const FanRecord& f : scaled) {
            EXPECT_LE(f.name.size(), 25);
            designations.insert(fans::designation(f, CatalogueKind::General));
        }
        EXPECT_EQ(designations.size(), count) << "designations stay unique";
    }
    EXPECT_EQ(CatalogueGenerator::smokeFans(1000).size(), 1000u);
}

TEST(CatalogueGenerator, TsvHasTheStoredColumnsAndCellFormats)
{
    FanRecord f;
    f.name = QStringLiteral("Х-ТЕСТ\tканальный");
    f.krugl = true;
    f.a = 315;
    f.d = 315;
    f.n = 1450;
    f.polus = 4;
    f.fazkol = true;
    f.davlen = true;
    f.money = 25400;
    f.lpaInput = 71;
    f.lpaOutput = 74;
    f.lpaArround = 60;
    f.massa = 12.5;
    f.dlina = 527;
    f.ny = QStringLiteral("0,55");
    f.pointCount = 1;
    f.columns[0] = 1200;
    f.columns[20] = 410;
    f.columns[40] = 0.25;
    f.columns[60] = 0.547;

    const QStringList lines = fans::catalogueTsv(CatalogueKind::General, {f}).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3); // header, one fan, the empty text after the last line break
    QStringList expectedHeader
        = QStringLiteral("Name Krugl Krysh Podpor A B D N Polus Fazkol Davlen AutoName "
                         "ManualName LogMarks MarksPosition Money Lpa_Input Lpa_Output "
                         "Lpa_Arround Massa Dlina Ny")
              .split(QLatin1Char(' '));
    for (int i = 1; i <= 80; ++i)
        expectedHeader << QString::number(i);
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')), expectedHeader);

    const QStringList cells = lines[1].split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), 102);
    EXPECT_EQ(cells.mid(0, 22).join(QLatin1Char('|')),
        QStringLiteral("Х-ТЕСТ канальный|1|0|0|315||315|1450|4|1|1|1||0||25400|71|74|60|12.5|527|0,55"));
    EXPECT_EQ(cells[22], QStringLiteral("1200"));
    EXPECT_EQ(cells[23], QString()) << "a missing point is an empty cell";
    EXPECT_EQ(cells[42], QStringLiteral("410"));
    EXPECT_EQ(cells[62], QStringLiteral("0.25"));
    EXPECT_EQ(cells[82], QStringLiteral("0.547"));

    const QString smokeHeader
        = fans::catalogueTsv(CatalogueKind::Smoke, {}).section(QLatin1Char('\t'), 0, 16);
    EXPECT_EQ(smokeHeader,
        QStringLiteral(
            "Name\tD\tN\tPolus\tFazkol\tDavlen\tStoikost\tMoney\tMoney600\tNy\tMassa\tA\tB\tLpa_Input\t"
            "Lpa_Output\tLpa_Arround\t1"));
}

// The committed text sources are what the generator makes now, so the bundled catalogue never drifts from it.
TEST(CatalogueGenerator, CommittedSourcesMatchTheGenerator)
{
    const QString folder = testSourcePath(QStringLiteral("../data/catalogue/"));
    EXPECT_TRUE(readUtf8(folder + QStringLiteral("razmzfn.tsv"))
        == fans::catalogueTsv(CatalogueKind::General, general()))
        << "run: zfn-cli catalogue generate --out data/catalogue";
    EXPECT_TRUE(readUtf8(folder + QStringLiteral("razmzfnsmk.tsv"))
        == fans::catalogueTsv(CatalogueKind::Smoke, smoke()))
        << "run: zfn-cli catalogue generate --out data/catalogue";
}

TEST(CatalogueGenerator, EverySeriesHasItsPhoto)
{
    // The data sheet shows ДЮНАb.bmp for the designations from "ДЮНА 3,15-4-3" to "ДЮНА 4,5-8-3": the
    // three-phase mid sizes, which the catalogue has.
    const auto inPhotoRange = [](const FanRecord& f) {
        const QString s = fans::designation(f, CatalogueKind::General).left(15);
        return s >= QStringLiteral("ДЮНА 3,15-4-3") && s <= QStringLiteral("ДЮНА 4,5-8-3");
    };
    EXPECT_TRUE(std::any_of(general().begin(), general().end(), inPhotoRange));
    QStringList names {QStringLiteral("ДЮНАb")};
    for (const auto& series : CatalogueGenerator::bundledSeries())
        names << series.photoName;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage photo(testSourcePath(QStringLiteral("../data/files/") + name + QStringLiteral(".bmp")));
        ASSERT_FALSE(photo.isNull());
        EXPECT_GE(photo.width(), 400);
        EXPECT_GE(photo.height(), 280);
        EXPECT_GE(photo.depth(), 24);
    }
}

TEST(CatalogueGenerator, CliWritesBothTablesAndRejectsBadCounts)
{
    const QString cli = qEnvironmentVariable("ZFN_CLI");
    if (cli.isEmpty())
        GTEST_SKIP() << "ZFN_CLI is not set";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("catalogue"));
    const auto run = [&](const QStringList& args) {
        QProcess p;
        p.start(cli, QStringList {QStringLiteral("catalogue"), QStringLiteral("generate")} + args);
        p.waitForFinished(60000);
        return p.exitCode();
    };
    ASSERT_EQ(run({QStringLiteral("--scale"), QStringLiteral("500"), QStringLiteral("--out"), out}), 0);
    EXPECT_EQ(readUtf8(out + QStringLiteral("/razmzfn.tsv")).count(QLatin1Char('\n')), 501);
    EXPECT_EQ(
        readUtf8(out + QStringLiteral("/razmzfnsmk.tsv")), fans::catalogueTsv(CatalogueKind::Smoke, smoke()));

    for (const QStringList& bad : {QStringList {QStringLiteral("--scale"), QStringLiteral("0")},
             QStringList {QStringLiteral("--scale"), QStringLiteral("2.5")},
             QStringList {QStringLiteral("--scale"), QStringLiteral("много")},
             QStringList {QStringLiteral("--smoke-scale"), QStringLiteral("1e12")}, QStringList {}}) {
        const QStringList args = bad.isEmpty() ? bad : bad + QStringList {QStringLiteral("--out"), out};
        EXPECT_EQ(run(args), 2) << bad.join(QLatin1Char(' ')).toStdString();
    }
    // A folder that cannot be made (a file stands in its place) is a failure, not a success.
    const QString file = out + QStringLiteral("/razmzfn.tsv");
    EXPECT_EQ(run({QStringLiteral("--out"), file}), 1);
}
