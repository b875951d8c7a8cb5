#include "common/ProgramFolder.h"
#include "printing/RtfReader.h"

#include <QDir>
#include <QTextDocument>
#include <gtest/gtest.h>

// Every description shipped beside the program reads into a real Russian text: a broken control word or a
// wrong code page in one of them would show the user an empty or garbled window.
TEST(ShippedDescriptions, EveryFileReadsAsRussianText)
{
    const QStringList names = QDir(programFolder()).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    for (const QString& name : {QStringLiteral("Help.rtf"), QStringLiteral("Manual.rtf"),
             QStringLiteral("Manualsmk.rtf"), QStringLiteral("ModulSystem.rtf"),
             QStringLiteral("SmkCalk.rtf"), QStringLiteral("Podpor.rtf"), QStringLiteral("VozdZavesa.rtf"),
             QStringLiteral("VozdZavesaORK.rtf"), QStringLiteral("VozdZavesaTEM.rtf"),
             QStringLiteral("VozdZavesaPLN.rtf"), QStringLiteral("VozdAgregatLUMA.rtf")})
        EXPECT_TRUE(names.contains(name)) << name.toStdString();

    for (const QString& name : names) {
        QTextDocument document;
        ASSERT_TRUE(rtf::loadRtfFile(programFilePath(name), document)) << name.toStdString();
        const QString text = document.toPlainText();
        EXPECT_GT(text.size(), 200) << name.toStdString();
        const auto cyrillic = std::count_if(
            text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x044F; });
        EXPECT_GT(cyrillic, text.size() / 3) << name.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('\\')))
            << "control word shown as text in " << name.toStdString();
    }
}
