#include "cli/CliCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>

namespace cli {

Arguments::Arguments(QStringList words)
    : m_words(std::move(words))
{
}

bool Arguments::has(const QString& flag) const
{
    return m_words.contains(flag);
}

std::optional<QString> Arguments::value(const QString& flag) const
{
    const QStringList all = values(flag);
    if (all.isEmpty())
        return std::nullopt;
    return all.last();
}

QStringList Arguments::values(const QString& flag) const
{
    QStringList result;
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        if (m_words[i] == flag && i + 1 < m_words.size())
            result << m_words[i + 1];
        else if (m_words[i].startsWith(flag + QLatin1Char('=')))
            result << m_words[i].mid(flag.size() + 1);
    }
    return result;
}

std::optional<double> Arguments::number(const QString& flag)
{
    const auto text = value(flag);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const double v = text->trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        addError(QStringLiteral("%1: bad value %2 (a number)").arg(flag, *text));
        return std::nullopt;
    }
    return v;
}

QStringList Arguments::positional() const
{
    QStringList result;
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        const QString& w = m_words[i];
        if (w.startsWith(QLatin1String("--"))) {
            // A flag followed by a word that is not a flag takes it as its value, except bare switches.
            static const QStringList switches {
                QStringLiteral("--json"), QStringLiteral("--smoke"), QStringLiteral("--speed-control")};
            if (!w.contains(QLatin1Char('=')) && !switches.contains(w) && i + 1 < m_words.size()
                && !m_words[i + 1].startsWith(QLatin1String("--")))
                ++i;
            continue;
        }
        result << w;
    }
    return result;
}

QStringList Arguments::unknownFlags(const QStringList& known) const
{
    QStringList result;
    for (const QString& w : m_words) {
        if (!w.startsWith(QLatin1String("--")))
            continue;
        const QString flag = w.section(QLatin1Char('='), 0, 0);
        if (!known.contains(flag) && flag != QLatin1String("--alias") && flag != QLatin1String("--json"))
            result << flag;
    }
    return result;
}

std::vector<Command>& commands()
{
    static std::vector<Command> all;
    return all;
}

Registrar::Registrar(QString name, QString usage, std::function<int(Arguments&)> run)
{
    commands().push_back({std::move(name), std::move(usage), std::move(run)});
}

void printLine(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

void printJson(const QJsonValue& value)
{
    QJsonDocument doc;
    if (value.isArray())
        doc = QJsonDocument(value.toArray());
    else
        doc = QJsonDocument(value.toObject());
    std::fputs(doc.toJson(QJsonDocument::Indented).constData(), stdout);
}

QJsonValue jsonNumber(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return QJsonValue(QJsonValue::Null);
    return QJsonValue(*value);
}

} // namespace cli
