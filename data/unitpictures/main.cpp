#include "ElementPicture.h"
#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "fans/FanCatalogue.h"
#include "unit/ElementStore.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <cstdio>

using namespace Qt::StringLiterals;
using unitpictures::Look;
using unitpictures::Symbol;

// Writes the pictures of the arrangement strip of assembled units beside the program: one per kind of
// piece of the bundled element catalogue ("Клапан_Обратный.bmp", "Глушитель_ГП-500 60-30.bmp", ...), each
// also as the selected piece ("Y_..."), the duct behind the unit for every section and fan duct size
// ("Kanal_600_300.bmp"), the empty slots ("default.bmp", "w_default.bmp") and the condensing unit
// ("KKB.bmp"); touches a stamp file when all are written.
//   zfn-unitpictures --elements pritoshka.sqlite --fans vozuvada.sqlite --out DIR --stamp FILE
namespace {

struct Piece {
    Symbol symbol;
    double length = 0;
};

Symbol valveSymbol(const QString& tip)
{
    if (tip == u"Воздушный")
        return Symbol::AirDamper;
    if (tip == u"Обратный")
        return Symbol::CheckDamper;
    if (tip == u"Смесительный")
        return Symbol::MixingDamper;
    return Symbol::OtherElement;
}

Symbol filterSymbol(const QString& tip)
{
    if (tip == u"Панельный")
        return Symbol::PanelFilter;
    if (tip == u"Карманный засор")
        return Symbol::LoadedBagFilter;
    if (tip.startsWith(u"Карман"))
        return Symbol::BagFilter;
    return Symbol::OtherElement;
}

// Every picture a line of this catalogue can ask for, by file name without "Y_".
QMap<QString, Piece> piecesOf(unit::ElementStore& store)
{
    QMap<QString, Piece> pieces {{u"Теплообменник.bmp"_s, {Symbol::Heater}},
        {u"Охладитель.bmp"_s, {Symbol::Cooler}}, {u"Жалюзи.bmp"_s, {Symbol::Louvre}},
        {u"Мягкая вставка.bmp"_s, {Symbol::Connector}}, {u"Вентилятор.bmp"_s, {Symbol::Fan}}};
    for (const unit::SectionRecord& section : store.sections()) {
        for (const unit::AccessoryRecord& r : store.accessories(unit::AccessoryKind::Valve, section.num))
            pieces.insert(u"Клапан_"_s + r.tip.trimmed() + u".bmp"_s, {valveSymbol(r.tip.trimmed())});
        for (const unit::AccessoryRecord& r : store.accessories(unit::AccessoryKind::Filter, section.num))
            pieces.insert(u"Фильтр_"_s + r.tip.trimmed() + u".bmp"_s, {filterSymbol(r.tip.trimmed())});
        for (const unit::AccessoryRecord& r : store.accessories(unit::AccessoryKind::Silencer, section.num))
            pieces.insert(u"Глушитель_"_s + r.model.trimmed() + u".bmp"_s, {Symbol::Silencer, r.length});
    }
    return pieces;
}

// Duct sizes "A*B": the sections of the element catalogue and the rectangular connections of the fans.
QStringList ductSizes(unit::ElementStore& store)
{
    QStringList sizes;
    for (const unit::SectionRecord& section : store.sections())
        sizes << u"%1*%2"_s.arg(section.a).arg(section.b);
    for (const fans::DuctSizeEntry& entry : fans::FanCatalogue::ductSizes()) {
        if (entry.text.contains(u'*'))
            sizes << entry.text;
    }
    sizes.removeDuplicates();
    return sizes;
}

QString option(const QStringList& args, const QString& flag)
{
    const qsizetype at = args.indexOf(flag);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString elements = option(args, u"--elements"_s);
    const QString fanCatalogue = option(args, u"--fans"_s);
    const QDir out(option(args, u"--out"_s));
    const QString stamp = option(args, u"--stamp"_s);
    if (elements.isEmpty() || fanCatalogue.isEmpty() || out.path().isEmpty() || stamp.isEmpty()) {
        std::fputs("usage: zfn-unitpictures --elements FILE --fans FILE --out DIR --stamp FILE\n", stderr);
        return 2;
    }
    store::setAliasOverride(store::pritoshkaAlias(), elements);
    store::setAliasOverride(store::vozuvadaAlias(), fanCatalogue);
    int written = 0;
    const auto save = [&](const QImage& image, const QString& name) {
        if (!image.save(out.filePath(name), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(name)));
            return false;
        }
        ++written;
        return true;
    };
    try {
        unit::ElementStore store = unit::pritoshkaElementStore();
        const QMap<QString, Piece> pieces = piecesOf(store);
        for (auto it = pieces.cbegin(); it != pieces.cend(); ++it) {
            if (!save(unitpictures::elementPicture(it->symbol, Look::Normal, it->length), it.key())
                || !save(
                    unitpictures::elementPicture(it->symbol, Look::Selected, it->length), u"Y_"_s + it.key()))
                return 1;
        }
        for (const QString& size : ductSizes(store)) {
            const QString name
                = u"Kanal_"_s + QString(size).replace(size.indexOf(u'*'), 1, u"_"_s) + u".bmp"_s;
            if (!save(unitpictures::elementPicture(Symbol::Duct, Look::Normal, 0, size), name))
                return 1;
        }
        if (!save(unitpictures::emptySlotPicture(false), u"default.bmp"_s)
            || !save(unitpictures::emptySlotPicture(true), u"w_default.bmp"_s)
            || !save(unitpictures::condensingUnitPicture(), u"KKB.bmp"_s))
            return 1;
    } catch (const CatalogueError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    QFile stampFile(stamp);
    if (!stampFile.open(QIODevice::WriteOnly) || stampFile.write(QByteArray::number(written) + '\n') <= 0)
        return 1;
    std::printf("%d unit pictures\n", written);
    return 0;
}
