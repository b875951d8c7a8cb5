#include "common/StoreCell.h"

#include <cmath>

namespace store {

NumberCell NumberCell::of(double value)
{
    if (!std::isfinite(value))
        return {Kind::NotFinite, 0, QString::number(value)};
    return {Kind::Number, value, {}};
}

NumberCell NumberCell::ofText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok)
        return {Kind::NotNumber, 0, text};
    if (!std::isfinite(value))
        return {Kind::NotFinite, 0, text};
    return {Kind::Number, value, {}};
}

BooleanCell BooleanCell::of(bool value)
{
    return {Kind::Value, value, {}};
}

BooleanCell BooleanCell::ofNumber(const NumberCell& number)
{
    switch (number.kind) {
    case NumberCell::Kind::Empty:
        return {};
    case NumberCell::Kind::Number:
        return of(number.value != 0);
    default:
        return {Kind::NotBoolean, false, number.text};
    }
}

BooleanCell BooleanCell::ofText(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const char* yes : {"true", "t"}) {
        if (trimmed.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0)
            return of(true);
    }
    for (const char* no : {"false", "f"}) {
        if (trimmed.compare(QLatin1String(no), Qt::CaseInsensitive) == 0)
            return of(false);
    }
    BooleanCell cell = ofNumber(NumberCell::ofText(trimmed));
    if (cell.kind == Kind::NotBoolean)
        cell.text = text;
    return cell;
}

} // namespace store
