#pragma once

#include <QString>

// What a cell of a catalogue holds when the program reads it as a number or as a yes/no: nothing (NULL
// or blank text), a value of that kind (stored as such or as its text), or something else, which the
// reader reports as a fault of the catalogue instead of reading it as zero.
namespace store {

struct NumberCell {
    enum class Kind { Empty, Number, NotNumber, NotFinite };
    Kind kind = Kind::Empty;
    double value = 0;
    QString text; // what a bad cell held, for its message

    static NumberCell of(double value); // infinities and NaN are NotFinite
    static NumberCell ofText(const QString& text); // "." as decimal mark, blanks around it ignored
};

struct BooleanCell {
    enum class Kind { Empty, Value, NotBoolean };
    Kind kind = Kind::Empty;
    bool value = false;
    QString text;

    static BooleanCell of(bool value);
    static BooleanCell ofNumber(const NumberCell& number); // any number other than 0 is yes
    static BooleanCell ofText(const QString& text); // "true", "t", "false", "f" (any case) or a number
};

} // namespace store
