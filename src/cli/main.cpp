#include "cli/AliasOptions.h"
#include "cli/CliCommand.h"
#include "pages/PagesApplication.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
void printUsage()
{
    cli::printLine(QStringLiteral("zfn-cli COMMAND [OPTIONS] [--alias NAME=PATH] [--json]"));
    auto all = cli::commands();
    std::sort(all.begin(), all.end(), [](const auto& l, const auto& r) { return l.name < r.name; });
    for (const auto& c : all)
        cli::printLine(QStringLiteral("  ") + c.usage);
}
} // namespace

int main(int argc, char** argv)
{
    // Report pages are drawn with QtGui; every other command runs on a plain core application.
    const auto app = pages::createApplication(argc, argv, pages::wantsPages(argc, argv));
    QStringList words = app->arguments().mid(1);

    // The longest registered command name that the words start with wins ("catalogue check").
    const cli::Command* chosen = nullptr;
    qsizetype chosenWords = 0;
    for (const auto& c : cli::commands()) {
        const QStringList nameWords = c.name.split(QLatin1Char(' '));
        if (nameWords.size() <= words.size() && words.mid(0, nameWords.size()) == nameWords
            && nameWords.size() > chosenWords) {
            chosen = &c;
            chosenWords = nameWords.size();
        }
    }
    if (!chosen) {
        printUsage();
        return words.isEmpty() || words.first() == QLatin1String("--help") ? cli::Ok : cli::BadArguments;
    }
    cli::Arguments args(words.mid(chosenWords));
    // Every command reads the catalogue through the aliases, so --alias is applied here for all of them.
    const int code = cli::applyAliasOverrides(args) ? chosen->run(args) : cli::BadArguments;
    for (const QString& e : args.errors())
        cli::printError(e);
    return args.errors().isEmpty() ? code : cli::BadArguments;
}
