#include "ui/report/TQRep_Manual.h"

#include "common/ProgramFolder.h"
#include "printing/MakerHeader.h"
#include "ui/report/PrintedForm.h"

#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr double kHeaderMm = 27.5;
constexpr double kTitleBandMm = 84.1;
constexpr double kTextWidthMm = 176.3;

} // namespace

TQRep_Manual::TQRep_Manual(QWidget* parent)
    : report::ReportHostWindow(parent)
{
    setObjectName(QStringLiteral("QRep_Manual"));
    setWindowTitle(QStringLiteral("Описание серий вентиляторов:"));
    resize(680, 820);

    report::Report& r = report();
    r.page = report::PageSetup::a4({12.7, 12.7, 12.7, 12.7});
    r.title = QStringLiteral("Описание серий вентиляторов");
    const double width = r.page.printableWidthMm();

    auto& header = r.band(report::BandKind::PageHeader, kHeaderMm);
    header.add<report::ReportPicture>(QRectF(9.3, 2.0, 23.8, 11.9)).setImage(report::makerLogo());
    header.add<report::ReportLabel>(QRectF(36.0, 2.0, 120.0, 6.0), report::makerLine(), report::boldText(12));
    header.add<report::ReportLabel>(
        QRectF(36.0, 8.5, 60.0, 5.0), report::makerWebAddress(), report::boldText(10));
    header.add<report::ReportPageNumber>(QRectF(width - 30.0, 2.0, 30.0, 6.0), QStringLiteral("Стр. "),
        report::boldText(10, Qt::AlignRight | Qt::AlignVCenter));
    header.add<report::ReportLine>(QLineF(6.4, 18.0, 171.5, 18.0), 0.4);
    header
        .add<report::ReportLabel>(QRectF(38.0, 19.3, width - 38.0, 7.0),
            QStringLiteral("Описание серий вентиляторов:"), report::boldText(12))
        .setName(QStringLiteral("QRLabel2"));

    auto& title = r.band(report::BandKind::Title, kTitleBandMm);
    title.add<report::ReportPicture>(QRectF((width - 180.2) / 2, 5.0, 180.2, 73.6))
        .setName(QStringLiteral("QRImage2"));

    auto& detail = r.band(report::BandKind::Detail, 5.0);
    detail.add<report::ReportRichText>(QRectF((width - kTextWidthMm) / 2, 0.0, kTextWidthMm, 5.0), nullptr)
        .setName(QStringLiteral("QRRichText"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createReportView());
}

void TQRep_Manual::setReportTitle(const QString& title)
{
    report().elementAs<report::ReportLabel>(QStringLiteral("QRLabel2"))->setText(title);
}

QString TQRep_Manual::reportTitle() const
{
    return report().elementAs<report::ReportLabel>(QStringLiteral("QRLabel2"))->text();
}

bool TQRep_Manual::loadPicture(const QString& fileName)
{
    return report()
        .elementAs<report::ReportPicture>(QStringLiteral("QRImage2"))
        ->load(programFilePath(fileName));
}

void TQRep_Manual::printDescription(
    const QString& title, const QTextDocument& body, const QString& pictureFile)
{
    auto* text = report().elementAs<report::ReportRichText>(QStringLiteral("QRRichText"));
    report::runPrintedForm(*this, [&] {
        setReportTitle(title);
        loadPicture(pictureFile);
        text->setDocument(&body);
    });
    // The body belongs to the description window; do not keep pointing at it.
    text->setDocument(nullptr);
}
