#include "pressurization/ui/TdgPodporYchastok.h"

#include "pressurization/SupplyDuct.h"

using namespace Qt::StringLiterals;

TdgPodporYchastok::TdgPodporYchastok(QWidget* parent)
    : SectionDialog({.window = u"Задайте параметры участка подвода"_s,
                        .material = u"Материал участка шахты: "_s,
                        .length = u"Длина участка Li:"_s,
                        .area = u"Площадь сечения, Fi:"_s,
                        .areaUnit = u"м2"_s,
                        .straightArea = u"Диаметр, di:"_s,
                        .straightAreaUnit = u"м"_s,
                        .calculateButton = u"CalckBtn"_s},
        parent, pressurization::supplyFittings())
{
    setObjectName(u"dgPodporYchastok"_s);
}
