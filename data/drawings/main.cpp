#include "DimensionDrawing.h"
#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "common/StoreSettings.h"
#include "fans/FanCatalogue.h"
#include "fans/FanDesignation.h"
#include "fanviews/FanKind.h"
#include "fanviews/FanPictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>

using namespace Qt::StringLiterals;

// Writes the dimension drawing of every fan of the bundled catalogue, general and smoke-exhaust, as
// "<designation>.jpg" into a folder (the program's), and touches a stamp file when all are written.
//   zfn-drawings --catalogue vozuvada.sqlite --out DIR --stamp FILE
namespace {

drawings::Outline outlineOf(const FanRecord& fan, fans::CatalogueKind kind)
{
    const QString name = fan.name.toLower();
    if (name.contains(u"радиал"))
        return drawings::Outline::Radial;
    const bool roof = kind == fans::CatalogueKind::Smoke ? !fan.davlen : fan.krysh || name.contains(u"крыш");
    if (roof || name.contains(u"настен"))
        return drawings::Outline::Roof;
    if (kind == fans::CatalogueKind::General && !fan.krugl && fan.a > 0 && fan.b > 0)
        return drawings::Outline::RectangularDuct;
    return drawings::Outline::RoundDuct;
}

drawings::DrawingFacts factsOf(const FanRecord& fan, fans::CatalogueKind kind)
{
    drawings::DrawingFacts facts;
    facts.designation = fans::designation(fan, kind);
    facts.heading = kind == fans::CatalogueKind::Smoke
        ? u"Основные размеры вентилятора дымоудаления:"_s
        : fanviews::printDimensionsHeading(fanviews::fanKindOf(facts.designation));
    facts.outline = outlineOf(fan, kind);
    facts.a = std::max(fan.a, 0);
    // A round connection has its diameter in A only.
    facts.b = fan.krugl ? 0 : std::max(fan.b, 0);
    facts.d = std::max(fan.d, 0);
    facts.length = int(std::max(fan.dlina, 0.0));
    return facts;
}

QString option(const QStringList& args, const QString& flag)
{
    const qsizetype at = args.indexOf(flag);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing text needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString catalogue = option(args, u"--catalogue"_s);
    const QDir out(option(args, u"--out"_s));
    const QString stamp = option(args, u"--stamp"_s);
    if (catalogue.isEmpty() || out.path().isEmpty() || stamp.isEmpty()) {
        std::fputs("usage: zfn-drawings --catalogue FILE --out DIR --stamp FILE\n", stderr);
        return 2;
    }
    store::setAliasOverride(store::vozuvadaAlias(), catalogue);
    int written = 0;
    QSet<QString> done; // a designation listed twice keeps the drawing of its first record
    try {
        for (const auto kind : {fans::CatalogueKind::General, fans::CatalogueKind::Smoke}) {
            for (const FanRecord& fan : *fans::FanCatalogue::records(kind)) {
                const drawings::DrawingFacts facts = factsOf(fan, kind);
                const QString file = out.filePath(fanviews::drawingFileNames(facts.designation).first());
                if (done.contains(file))
                    continue;
                done.insert(file);
                if (!drawings::dimensionDrawing(facts).save(file, "JPG", 88)) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                    return 1;
                }
                ++written;
            }
        }
    } catch (const CatalogueError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    QFile stampFile(stamp);
    if (!stampFile.open(QIODevice::WriteOnly) || stampFile.write(QByteArray::number(written) + '\n') <= 0)
        return 1;
    std::printf("%d dimension drawings\n", written);
    return 0;
}
