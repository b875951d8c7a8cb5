#include "unit/ElementStore.h"
#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "common/StoreQuery.h"
#include "unit/CoolerSelection.h"
#include "unit/StandardSections.h"
#include "unit/WorkingTables.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

using namespace unit;
using namespace Qt::StringLiterals;

namespace {

// A small catalogue written by hand, its tables named as `names` says (e.g. "Klapana.DB" or "KLAPANA").
class HandMadeCatalogue {
public:
    explicit HandMadeCatalogue(const QString& path, const std::function<QString(const QString&)>& named)
        : m_connection(u"unit-fixture-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        const QString accessory = u"(\"KanalIndex\" INTEGER, \"Tip\" TEXT, \"Model\" TEXT, \"Dlina\" REAL, "
                                  u"\"n\" REAL, \"B\" REAL, \"Stoimost\" INTEGER)"_s;
        const QString heater = u"(\"NUM\" INTEGER, \"Tip\" TEXT, \"KanalIndex\" INTEGER, \"Model\" TEXT, "
                               u"\"Dlina\" REAL, \"Stoimost\" INTEGER, \"n\" REAL, \"B\" REAL, "_s;
        const QStringList statements {
            u"CREATE TABLE \"%1\" (\"NUM\" INTEGER, \"A\" INTEGER, \"B\" INTEGER, \"Sechenie\" TEXT)"_s.arg(
                named(u"PryamotKanal"_s)),
            u"INSERT INTO \"%1\" VALUES (2, 400, 200, '400*200'), (1, 300, 150, '300*150')"_s.arg(
                named(u"PryamotKanal"_s)),
            u"CREATE TABLE \"%1\" "_s.arg(named(u"Klapana"_s)) + accessory,
            u"INSERT INTO \"%1\" VALUES (2, 'Обратный', 'КО 40-20', 300, 2, 0.0001, 5000), "
            u"(1, 'Воздушный', 'КВ 30-15', 150, 2, 0.00002, 6000), "
            u"(2, 'Воздушный', 'КВ 40''20', 150, 2, 0.00003, 7000)"_s.arg(named(u"Klapana"_s)),
            u"CREATE TABLE \"%1\" "_s.arg(named(u"Vstavki"_s)) + accessory,
            u"INSERT INTO \"%1\" VALUES (2, 'Гибкая', 'ВГ 40-20', 150, 'x', 'y', 3000)"_s.arg(
                named(u"Vstavki"_s)),
            u"CREATE TABLE \"%1\" "_s.arg(named(u"Teploob"_s)) + heater
                + u"\"A\" REAL, \"M\" REAL, \"H\" REAL, \"K\" REAL, \"C\" REAL)"_s,
            u"INSERT INTO \"%1\" VALUES (1, 'Водяной двухрядный', 2, 'Б', 250, 20000, 1.75, 30, 0.7, 0.65, "
            u"0.12, "
            u"1.8, 0.5), (2, 'Водяной двухрядный', 1, 'В', 250, 19000, 1.75, 80, 0.6, 0.65, 0.12, 1.8, 1.6), "
            u"(3, 'Водяной двухрядн', 2, 'А', 250, 21000, 1.75, 30, 0.7, 0.65, 0.12, 1.8, 0.5), "
            u"(4, 'ВНВ 3 ряда', 2, 'Г', 300, 25000, 1.75, 40, 0.9, 0.65, 0.12, 1.8, 0.8)"_s.arg(
                named(u"Teploob"_s)),
            u"CREATE TABLE \"%1\" "_s.arg(named(u"TeplElektr"_s)) + heater + u"\"Moshnost\" REAL)"_s,
            u"INSERT INTO \"%1\" VALUES (1, 'ЭНВ', 2, 'ЭНВ 40-20/7,5', 400, 15900, 1.8, 30, 7.5)"_s.arg(
                named(u"TeplElektr"_s)),
            u"CREATE TABLE \"%1\" (\"Tip\" TEXT, \"KanalIndex\" INTEGER, \"Dlina\" REAL, \"Stoimost\" INTEGER)"_s
                .arg(named(u"HRSA_HRSB"_s)),
            u"INSERT INTO \"%1\" VALUES ('ХРСА', 2, 450, 30000), ('ХРСБ', 2, 500, 28000)"_s.arg(
                named(u"HRSA_HRSB"_s)),
            u"CREATE TABLE \"%1\" (\"Name\" TEXT, \"Price\" INTEGER, \"A_B_H\" TEXT)"_s.arg(named(u"KKB"_s)),
            u"INSERT INTO \"%1\" VALUES ('KKB-001', 118000, '850x320x620')"_s.arg(named(u"KKB"_s)),
        };
        for (const QString& sql : statements) {
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        }
    }
    ~HandMadeCatalogue()
    {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }

    QSqlDatabase db() const { return QSqlDatabase::database(m_connection, false); }

private:
    QString m_connection;
};

// Everything a unit reads from a catalogue, as one comparable text.
QStringList readAll(ElementStore& store)
{
    QStringList out;
    for (const SectionRecord& s : store.sections())
        out << u"section %1 %2x%3 %4"_s.arg(s.num).arg(s.a).arg(s.b).arg(s.text);
    for (const AccessoryRecord& r : store.accessories(AccessoryKind::Valve, 2))
        out << u"valve %1|%2|%3|%4"_s.arg(r.tip, r.model).arg(r.loss(1000)).arg(r.price);
    for (const AccessoryRecord& r : store.accessories(AccessoryKind::Connector, 2))
        out << u"connector %1|%2|%3"_s.arg(r.model).arg(r.length).arg(r.loss(1000));
    out << store.heaterTypes(HeaterKind::Water) << store.heaterTypes(HeaterKind::Electric);
    for (const HeaterRecord& r : store.heaterCandidates(HeaterKind::Water, u"Водяной двухрядный"_s))
        out << u"water %1 %2 %3"_s.arg(r.num).arg(r.kanalIndex).arg(r.model);
    out << store.accessory(AccessoryKind::Valve, 2, u"Воздушный"_s, u"КВ 40'20"_s).value().model;
    out << QString::number(store.cooler(u"ХРСБ"_s, 2).value().length);
    out << store.condensingUnit(u"KKB-001"_s).value().dimensions;
    return out;
}

} // namespace

TEST(ElementStore, TablesNamedWithOrWithoutSuffixInAnyCaseReadAlike)
{
    QTemporaryDir dir;
    const HandMadeCatalogue plain(dir.filePath(u"plain.sqlite"_s), [](const QString& n) { return n; });
    const HandMadeCatalogue suffixed(dir.filePath(u"suffixed.sqlite"_s),
        [](const QString& n) -> QString { return n.toUpper() + u".DB"_s; });
    const HandMadeCatalogue lower(
        dir.filePath(u"lower.sqlite"_s), [](const QString& n) -> QString { return n.toLower() + u".db"_s; });
    ElementStore a(plain.db());
    ElementStore b(suffixed.db());
    ElementStore c(lower.db());
    const QStringList expected = readAll(a);
    EXPECT_EQ(readAll(b), expected);
    EXPECT_EQ(readAll(c), expected);

    // Sections are numbered by their stored order of NUM; the unit's queries find what a designer typed.
    EXPECT_EQ(
        expected.mid(0, 2), (QStringList {u"section 1 300x150 300*150"_s, u"section 2 400x200 400*200"_s}));
    // Accessories of a section keep the table's order; a connector has no loss.
    EXPECT_EQ(expected.mid(2, 3),
        (QStringList {u"valve Обратный|КО 40-20|100|5000"_s, u"valve Воздушный|КВ 40'20|30|7000"_s,
            u"connector ВГ 40-20|150|0"_s}));
    // Types are cut to 15 characters, so two long names that share them are one type, sorted.
    EXPECT_EQ(expected.mid(5, 3), (QStringList {u"ВНВ 3 ряда"_s, u"Водяной двухряд"_s, u"ЭНВ"_s}));
    // Candidates of a long type are found by its first 15 characters, by section and model.
    EXPECT_EQ(expected.mid(8, 3), (QStringList {u"water 2 1 В"_s, u"water 3 2 А"_s, u"water 1 2 Б"_s}));
    EXPECT_EQ(expected.mid(11), (QStringList {u"КВ 40'20"_s, u"500"_s, u"850x320x620"_s}));
}

TEST(ElementStore, MissingRowsReadAsNothingAndMissingTablesAreCatalogueErrors)
{
    QTemporaryDir dir;
    const HandMadeCatalogue catalogue(dir.filePath(u"c.sqlite"_s), [](const QString& n) { return n; });
    ElementStore store(catalogue.db());
    EXPECT_TRUE(store.accessories(AccessoryKind::Valve, 9).empty());
    EXPECT_FALSE(store.accessory(AccessoryKind::Valve, 2, u"Воздушный"_s, u"нет"_s));
    EXPECT_FALSE(store.section(7));
    EXPECT_FALSE(store.cooler(u"ХРСА"_s, 10));
    EXPECT_TRUE(store.heaterCandidates(HeaterKind::Electric, u"нет такого"_s).empty());
    EXPECT_THROW(
        store.accessories(AccessoryKind::Filter, 2), CatalogueError); // no Filter_s in this catalogue
}

// The bundled catalogue beside the program: the tables a designer expects, with losses that make sense.
class BundledElements : public ::testing::Test {
protected:
    void SetUp() override
    {
        store::setAliasOverride(
            store::pritoshkaAlias(), QCoreApplication::applicationDirPath() + u"/pritoshka.sqlite"_s);
    }
    void TearDown() override { store::clearAliasOverrides(); }
};

TEST_F(BundledElements, EverySectionHasItsElementsWithSensibleLosses)
{
    ElementStore store = pritoshkaElementStore();
    const std::vector<SectionRecord> sections = store.sections();
    ASSERT_EQ(sections.size(), 10u);
    for (const SectionRecord& s : sections) {
        EXPECT_EQ(s.text, u"%1*%2"_s.arg(s.a).arg(s.b));
        if (const auto standard = standardSection(s.num)) {
            EXPECT_NEAR(s.area(), standard->area, 1e-9) << s.num;
        }
        for (AccessoryKind kind : accessoryKinds) {
            const std::vector<AccessoryRecord> rows = store.accessories(kind, s.num);
            EXPECT_FALSE(rows.empty()) << s.num;
            for (const AccessoryRecord& r : rows) {
                EXPECT_GT(r.length, 0);
                EXPECT_GT(r.price, 0);
                if (kind == AccessoryKind::Connector)
                    continue;
                for (double speed : {2.0, 4.0}) {
                    const double loss = r.loss(speed * 3600 * s.area());
                    EXPECT_GT(loss, 1) << r.model.toStdString();
                    EXPECT_LT(loss, 500) << r.model.toStdString();
                }
            }
        }
        for (HeaterKind kind : {HeaterKind::Water, HeaterKind::Electric}) {
            for (const QString& type : store.heaterTypes(kind)) {
                for (const HeaterRecord& r : store.heaterCandidates(kind, type)) {
                    const double loss = r.airLoss(3 * 3600 * sections[r.kanalIndex - 1].area());
                    EXPECT_GT(loss, 5) << r.model.toStdString();
                    EXPECT_LT(loss, 100) << r.model.toStdString();
                }
            }
        }
    }
    EXPECT_EQ(store.heaterTypes(HeaterKind::Water).size(), 3);
    EXPECT_EQ(store.heaterTypes(HeaterKind::Electric).size(), 2);
    for (int k = 2; k <= 10; ++k) {
        for (CoolerSeries series : {CoolerSeries::Water, CoolerSeries::Freon})
            EXPECT_TRUE(store.cooler(coolerTypeName(series), k)) << k;
    }
    for (double duty : {1.0, 5.0, 7.0, 9.0, 12.0, 14.0, 18.0, 24.0, 30.0, 40.0, 50.0})
        EXPECT_TRUE(store.condensingUnit(condensingUnitFor(duty))) << duty;
}

TEST(WorkingTables, ElementsAndReportOrderCarryTheirDefaultPositions)
{
    const QSqlDatabase db = store::workingDatabase();
    const std::vector<UnitElementRow> rows {
        {u"Теплообменник"_s, u"ВНВ 2 ряда"_s, u"ВНВ 2-60-30 ш2,5"_s, 21.5, 250, u"600*300"_s, 21800, 1},
        {u"Жалюзи"_s, u"Наружная"_s, u"РН 60-30"_s, 12, 100, u"600*300"_s, 5300, 1},
        {u"Фильтр"_s, u"Карманный засор"_s, u"ФК F7 60-30"_s, 250, 600, u"600*300"_s, 15600, 1},
        {u"Глушитель"_s, u"Пластинчатый"_s, u"ГП-1000 60-30"_s, 24, 1000, u"600*300"_s, 17900, 2},
    };
    writeElementsTable(db, rows);
    writeElementsTable(db, rows); // replaces, never appends
    store::StoreQuery elements(db, u"SELECT * FROM elements ORDER BY \"Num\""_s);
    QStringList read;
    while (elements.next())
        read << u"%1 %2 %3 %4"_s.arg(elements.text(u"NAME"_s))
                    .arg(elements.integer(u"Kolich"_s))
                    .arg(elements.integer(u"PoryadokNum"_s))
                    .arg(elements.number(u"Soprotivl"_s));
    EXPECT_EQ(read,
        (QStringList {
            u"Теплообменник 1 8 21.5"_s, u"Жалюзи 1 1 12"_s, u"Фильтр 1 0 250"_s, u"Глушитель 2 10 24"_s}));

    writeReportOrderTable(db, rows);
    store::StoreQuery report(db, u"SELECT * FROM reprrsst ORDER BY \"PoryadokNum\", \"Num\""_s);
    read.clear();
    while (report.next())
        read << report.text(u"NAME"_s) + u' ' + report.text(u"Dlina"_s) + u' ' + report.text(u"Kolich"_s);
    EXPECT_EQ(read,
        (QStringList {
            u"Жалюзи 100 1"_s, u"Фильтр 600 1"_s, u"Теплообменник 250 1"_s, u"Глушитель 1000 2"_s}));
}

TEST(WorkingTables, PositionCascades)
{
    const struct {
        const char16_t* name;
        const char16_t* tip;
        int element;
        int report;
    } cases[] = {{u"Жалюзи", u"Наружная", 1, 0}, {u"Клапан", u"Обратный", 2, 2},
        {u"Клапан", u"Воздушный", 3, 3}, {u"Клапан", u"Смесительный", 6, 7}, {u"Клапан", u"Другой", 0, 0},
        {u"Фильтр", u"Панельный", 4, 4}, {u"Фильтр", u"Карманный", 5, 5},
        {u"Фильтр", u"Карманный засор", 0, 6}, {u"Вентилятор", u"", 7, 8}, {u"Охладитель", u"ХРСБ", 9, 10},
        {u"Мягкая вставка", u"Гибкая", 11, 12}, {u"ККБ", u"", 12, 13}, {u"клапан", u"Обратный", 0, 0}};
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        const QString tip = QString::fromUtf16(c.tip);
        EXPECT_EQ(elementPosition(name, tip), c.element) << name.toStdString() << tip.toStdString();
        EXPECT_EQ(reportPosition(name, tip), c.report) << name.toStdString() << tip.toStdString();
    }
}
