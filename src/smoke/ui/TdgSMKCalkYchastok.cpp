#include "smoke/ui/TdgSMKCalkYchastok.h"

TdgSMKCalkYchastok::TdgSMKCalkYchastok(QWidget* parent)
    : SectionDialog(
        {QStringLiteral("Задайте параметры участка шахты"), QStringLiteral("Материал участка шахты: "),
            QStringLiteral("Длина участка шахты Li:")},
        parent)
{
    setObjectName(QStringLiteral("dgSMKCalkYchastok"));
}
