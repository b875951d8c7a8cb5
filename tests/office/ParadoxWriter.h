#pragma once

#include "common/Cp1251.h"
#include "common/StoreTable.h"
#include "office/ParadoxTable.h"

#include "office/Pxlib.h"
#include <QFile>
#include <QString>
#include <QVariant>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

// Writes small Paradox tables for the tests of the import, with the library the program reads them with.
namespace paradoxwriter {

struct Field {
    QString name;
    int type = office::ParadoxNumber;
    int size = 8;
};

// The Paradox field a column of a known kind is kept in by the office's catalogues.
inline Field fieldOf(const store::FieldDef& def)
{
    switch (def.kind) {
    case store::FieldKind::Boolean:
        return {def.name, office::ParadoxLogical, 1};
    case store::FieldKind::String:
        return {def.name, office::ParadoxAlpha, def.size};
    case store::FieldKind::Int16:
        return {def.name, office::ParadoxShort, 2};
    case store::FieldKind::AutoIncrement:
        return {def.name, office::ParadoxAutoInc, 4};
    case store::FieldKind::Currency:
        return {def.name, office::ParadoxCurrency, 8};
    case store::FieldKind::Float:
        return {def.name, office::ParadoxNumber, 8};
    }
    return {};
}

// Writes the table; a null QVariant leaves the field empty (null). Records a test failure when the
// library refuses.
inline void writeTable(
    const QString& path, const std::vector<Field>& fields, const std::vector<QVariantList>& records)
{
    PX_boot();
    pxdoc_t* doc = PX_new();
    // The library takes the field list over and frees it with the table.
    auto* list = static_cast<pxfield_t*>(std::calloc(fields.size(), sizeof(pxfield_t)));
    int recordSize = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        list[i].px_fname = strdup(cp1251::encode(fields[i].name).constData());
        list[i].px_ftype = char(fields[i].type);
        list[i].px_flen = fields[i].size;
        recordSize += fields[i].size;
    }
    if (PX_create_file(
            doc, list, int(fields.size()), QFile::encodeName(path).constData(), pxfFileTypNonIndexDB)
        < 0) {
        ADD_FAILURE() << "cannot create " << path.toStdString();
        PX_delete(doc);
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(recordSize));
    for (const QVariantList& record : records) {
        std::fill(buffer.begin(), buffer.end(), 0);
        char* at = buffer.data();
        for (size_t i = 0; i < fields.size(); ++i) {
            const QVariant& value = record.value(qsizetype(i));
            const int size = fields[i].size;
            if (!value.isNull()) {
                switch (fields[i].type) {
                case office::ParadoxAlpha: {
                    QByteArray text = cp1251::encode(value.toString());
                    PX_put_data_alpha(doc, at, size, text.data());
                    break;
                }
                case office::ParadoxShort:
                    PX_put_data_short(doc, at, size, short(value.toInt()));
                    break;
                case office::ParadoxLong:
                case office::ParadoxAutoInc:
                    PX_put_data_long(doc, at, size, value.toInt());
                    break;
                case office::ParadoxLogical:
                    PX_put_data_byte(doc, at, size, value.toBool() ? 1 : 0);
                    break;
                default:
                    PX_put_data_double(doc, at, size, value.toDouble());
                }
            }
            at += size;
        }
        if (PX_put_record(doc, buffer.data()) < 0)
            ADD_FAILURE() << "cannot write a record of " << path.toStdString();
    }
    PX_close(doc);
    PX_delete(doc);
}

} // namespace paradoxwriter
