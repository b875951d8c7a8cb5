#include "app/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QPushButton* makeOkButton(QDialog* dialog, const QString& caption)
{
    auto* ok = new QPushButton(caption, dialog);
    ok->setObjectName(QStringLiteral("BitBtn_OK"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

QHBoxLayout* makeCentredOkRow(QDialog* dialog, const QString& caption)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(makeOkButton(dialog, caption));
    row->addStretch();
    return row;
}
