#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

// Tables kept as Paradox files (".DB"), as older installations of the program and makers' catalogues hold
// them: a header with the field list, then blocks of fixed-size records.
namespace office {

// Paradox field types (the type byte of the header).
enum ParadoxType {
    ParadoxAlpha = 0x01,
    ParadoxDate = 0x02,
    ParadoxShort = 0x03,
    ParadoxLong = 0x04,
    ParadoxCurrency = 0x05,
    ParadoxNumber = 0x06,
    ParadoxLogical = 0x09,
    ParadoxMemo = 0x0C,
    ParadoxBlob = 0x0D,
    ParadoxFormattedMemo = 0x0E,
    ParadoxOle = 0x0F,
    ParadoxGraphic = 0x10,
    ParadoxTime = 0x14,
    ParadoxTimestamp = 0x15,
    ParadoxAutoInc = 0x16,
    ParadoxBcd = 0x17,
    ParadoxBytes = 0x18,
};

struct ParadoxField {
    QString name;
    int type = ParadoxAlpha;
    int size = 0; // bytes in the record; the number of characters of an alpha field
};

// The type as Paradox writes it in its table structure: "A25", "S", "I", "N", "$", "L", "+", ...
QString paradoxTypeText(const ParadoxField& field);

struct ParadoxTable {
    QString path;
    std::vector<ParadoxField> fields;
    // One list per record, a value per field: text (code page 1251) for alpha, whole numbers for short,
    // long and autoincrement, numbers for number and currency, booleans for logical; an empty field and a
    // field of any other type give a null QVariant.
    std::vector<QVariantList> records;
};

// Why the bytes of a file cannot be read as a Paradox table: not a table at all, a header that contradicts
// itself, a file cut short, or a broken chain of data blocks. Empty when sound.
QString paradoxFileFault(const QByteArray& file);

// Reads a whole table. Throws CatalogueError naming the file when it is not a readable Paradox table.
ParadoxTable readParadoxTable(const QString& path);

} // namespace office
