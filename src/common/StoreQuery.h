#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>

namespace store {

// A read statement with bound values ("?" placeholders), run at construction, read row by row. Field
// access is by name, case-insensitive; a NULL field reads as "" or 0, as callers expect. Throws
// CatalogueError with the engine's message when the statement fails.
class StoreQuery {
public:
    StoreQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

    bool next(); // moves to the next row; false at the end

    bool hasField(const QString& field) const;
    bool isNull(const QString& field) const;
    QVariant value(const QString& field) const; // throws CatalogueError for a field not in the result
    QString text(const QString& field) const;
    double number(const QString& field) const; // NULL or unreadable: 0
    int integer(const QString& field) const;
    bool boolean(const QString& field) const;
    // The value as a number when the field holds a non-empty number text, else nothing.
    std::optional<double> optionalNumber(const QString& field) const;

private:
    int index(const QString& field) const;

    QSqlQuery m_query;
    QHash<QString, int> m_columns; // lower-case field name -> column
};

} // namespace store
