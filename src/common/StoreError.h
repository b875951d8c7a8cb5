#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// An error of the catalogue store (missing alias, table or file, a statement the engine refused). It carries
// the engine's own message text; windows catch it at the boundary of the user's action and show that text,
// and the program goes on.
class CatalogueError : public std::exception {
public:
    explicit CatalogueError(QString message);

    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A cell that does not hold a value of its column's kind: the message names the table, the record and
// the column; `fault` is the part about the cell alone (column, value, what it should be).
class BadCellError : public CatalogueError {
public:
    BadCellError(const QString& table, int record, QString fault);

    const QString& fault() const { return m_fault; }

private:
    QString m_fault;
};
