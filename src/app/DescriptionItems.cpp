#include "app/DescriptionItems.h"

using namespace Qt::Literals::StringLiterals;

const std::vector<DescriptionItem>& descriptionItems()
{
    static const std::vector<DescriptionItem> items {
        {u"Cерии общеобменных вентиляторов"_s, u"Описание серий общеобменных вентиляторов"_s, u"Manual.rtf"_s,
            u"Описание серий общеобменных вентиляторов:"_s, u"Manual.bmp"_s,
            u"Не удается найти файл Manual.rtf?!"_s, true},
        {u"Серии вентиляторов дымоудаления"_s, u"Описание серий вентиляторов дымоудаления"_s,
            u"Manualsmk.rtf"_s, u"Описание серий вентиляторов дымоудаления:"_s, u"Manualsmk.bmp"_s,
            u"Не удается найти файл Manualsmk.rtf?!"_s, true},
        {u"Методика подбора агрегатов вентиляционных сборных"_s,
            u"Методика подбора агрегатов вентиляционных сборных"_s, u"ModulSystem.rtf"_s,
            u"Методика подбора агрегатов вентиляционных сборных:"_s, u"УМКw.bmp"_s,
            u"Не удается найти файл ModulSystem.rtf?!"_s, false},
        {u"Расчет системы дымоудаления"_s, u"Методика расчета системы дымоудаления"_s, u"SmkCalk.rtf"_s,
            u"Методика расчета системы дымоудаления:"_s, u"Manualsmk.bmp"_s,
            u"Не удается найти файл SmkCalk.rtf?!"_s, false},
        {u"Расчет систем противодымной защиты"_s, u"Методика расчета приточной противодымной вентиляции"_s,
            u"Podpor.rtf"_s, u"Расчет приточной противодымной вентиляции:"_s, u"Manual.bmp"_s,
            u"Не удается найти файл Podpor.rtf?!"_s, true},
        {u"Расчет воздушных завес (общая часть)"_s, u"Расчет воздушных завес (общая часть)"_s,
            u"VozdZavesa.rtf"_s, u"Воздушные завесы:"_s, u"ОРКw.bmp"_s,
            u"Не удается найти файл:VozdZavesa.rtf  ?!"_s, false},
        {u"Расчет воздушных завес ОРК"_s, u"Расчет воздушных завес ОРК"_s, u"VozdZavesaORK.rtf"_s,
            u"Воздушные завесы ОРК:"_s, u"ОРКw.bmp"_s, u"Не удается найти файл:VozdZavesaORK.rtf  ?!"_s,
            false},
        {u"Расчет воздушных завес ТЕМ"_s, u"Расчет воздушных завес ТЕМ"_s, u"VozdZavesaTEM.rtf"_s,
            u"Воздушные завесы ТЕМ:"_s, u"ТЕМw.bmp"_s, u"Не удается найти файл:VozdZavesaTEM.rtf  ?!"_s,
            false},
        {u"Расчет воздушных завес серии \"Тэрна\""_s, u"Расчет воздушных завес серии \"Тэрна\""_s,
            u"VozdZavesaPLN.rtf"_s, u"Воздушные завесы серии ТЭРНА:"_s, u"ПЛНw.bmp"_s,
            u"Не удается найти файл:VozdZavesaPLN.rtf  ?!"_s, false},
    };
    return items;
}
