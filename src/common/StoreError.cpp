#include "common/StoreError.h"

CatalogueError::CatalogueError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

BadCellError::BadCellError(const QString& table, int record, QString fault)
    : CatalogueError(QStringLiteral("В таблице %1, запись %2, %3").arg(table).arg(record).arg(fault))
    , m_fault(std::move(fault))
{
}
