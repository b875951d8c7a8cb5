#include "ui/report/TQROpenForm.h"

#include "common/ProgramFolder.h"

#include <QDir>
#include <QVBoxLayout>

TQROpenForm::TQROpenForm(QWidget* parent)
    : report::ReportHostWindow(parent)
{
    setObjectName(QStringLiteral("QROpenForm"));
    setWindowTitle(QStringLiteral("Предварительный просмотр:"));
    resize(680, 820);

    report::Report& r = report();
    r.page = report::PageSetup::a4({12.7, 12.7, 12.7, 12.7});
    r.page.columns = 3;
    r.page.columnSpacingMm = (r.page.printableWidthMm() - 3 * 61.4) / 2;
    r.title = QStringLiteral("Предварительный просмотр:");

    report::TextStyle style;
    style.pointSize = 10.0;
    style.wordWrap = true;
    style.alignment = Qt::AlignLeft | Qt::AlignTop;
    r.band(report::BandKind::Detail, 25.0)
        .add<report::ReportLabel>(QRectF(0.0, 2.0, 61.4, 21.0),
            QStringLiteral("Загрузите предварительно сохраненные печатные формы (*.QRP)"), style)
        .setName(QStringLiteral("QRLabel1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createReportView());
}

void TQROpenForm::showSavedReports()
{
    report().previewModal();
    QDir::setCurrent(programFolder());
}
