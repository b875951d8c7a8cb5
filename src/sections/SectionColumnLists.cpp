#include "sections/SectionColumnLists.h"

#include "common/NumberText.h"

using namespace Qt::StringLiterals;

namespace sections {

namespace {

// The columns in the order of their lists: lengths first, as they decide how many sections a file
// holds.
constexpr std::array<SectionColumn, sectionListCount> listedColumns = {LengthColumn, AreaColumn,
    CoefficientColumn, MaterialColumn, RoughnessColumn, KindColumn, ParameterColumn, HalfAngleColumn};

QString columnCaption(SectionColumn column)
{
    switch (column) {
    case LengthColumn:
        return u"длины участков"_s;
    case AreaColumn:
        return u"площади сечения"_s;
    case CoefficientColumn:
        return u"коэффициенты сопротивления"_s;
    case MaterialColumn:
        return u"материалы"_s;
    default:
        return u"параметры участков"_s;
    }
}

} // namespace

SectionListsEncoding encodeSectionLists(const SectionTable& table, QChar separator)
{
    SectionListsEncoding encoding;
    for (std::size_t i = 0; i < listedColumns.size(); ++i) {
        QString& list = encoding.lists[i];
        for (const SectionRow& row : table.rows())
            list += encodeNumberText(row[listedColumns[i]].trimmed(), separator) + u';';
        if (list.size() > sectionListCapacity && !encoding.overflow)
            encoding.overflow
                = u"%1 занимают %2 знаков из %3 возможных"_s.arg(columnCaption(listedColumns[i]))
                      .arg(list.size())
                      .arg(sectionListCapacity);
    }
    return encoding;
}

std::optional<SectionTable> decodeSectionLists(const SectionColumnLists& lists, QChar separator)
{
    std::array<QStringList, sectionListCount> tokens;
    for (std::size_t i = 0; i < tokens.size(); ++i)
        tokens[i] = splitTokens(lists[i]);
    const qsizetype count = tokens[0].size();
    for (const QStringList& list : tokens) {
        if (!list.isEmpty() && list.size() < count)
            return std::nullopt;
    }
    QList<SectionRow> rows(count);
    for (std::size_t i = 0; i < listedColumns.size(); ++i) {
        for (qsizetype k = 0; k < count && k < tokens[i].size(); ++k)
            rows[k][listedColumns[i]] = decodeNumberText(tokens[i][k], separator);
    }
    SectionTable table;
    table.setRows(rows);
    return table;
}

} // namespace sections
