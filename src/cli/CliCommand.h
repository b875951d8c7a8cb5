#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The commands of zfn-cli. Each command lives in a file of its own and registers itself with
// ZFN_CLI_COMMAND; main() parses the common options and dispatches on the command words.
namespace cli {

// Exit codes shared by every command.
enum Exit { Ok = 0, Failure = 1, BadArguments = 2 };

// Command-line words after the command name, with simple access to "--flag value" options.
class Arguments {
public:
    explicit Arguments(QStringList words);

    bool has(const QString& flag) const; // --json
    std::optional<QString> value(const QString& flag) const; // last --flag VALUE
    QStringList values(const QString& flag) const; // every --flag VALUE, in order
    // A number option; an unparsable value records an error (see errors()).
    std::optional<double> number(const QString& flag);
    QStringList positional() const; // words that are neither flags nor flag values
    // Flags not in the given list (a command rejects them as bad arguments).
    QStringList unknownFlags(const QStringList& known) const;

    QStringList errors() const { return m_errors; }
    void addError(const QString& text) { m_errors << text; }

private:
    QStringList m_words;
    QStringList m_errors;
};

struct Command {
    QString name; // first word(s), e.g. "catalogue check"
    QString usage; // one line for the help text
    std::function<int(Arguments&)> run;
};

std::vector<Command>& commands();

struct Registrar {
    Registrar(QString name, QString usage, std::function<int(Arguments&)> run);
};

// Output helpers: UTF-8 on stdout/stderr.
void printLine(const QString& text);
void printError(const QString& text);
void printJson(const QJsonValue& value);
// A finite number as JSON, or null.
QJsonValue jsonNumber(std::optional<double> value);

} // namespace cli

#define ZFN_CLI_CONCAT2(a, b) a##b
#define ZFN_CLI_CONCAT(a, b) ZFN_CLI_CONCAT2(a, b)
#define ZFN_CLI_COMMAND(name, usage, function)                                                               \
    static const cli::Registrar ZFN_CLI_CONCAT(cliRegistrar_, __LINE__)(                                     \
        QStringLiteral(name), QStringLiteral(usage), function)
