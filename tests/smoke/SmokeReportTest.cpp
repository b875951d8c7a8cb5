#include "smoke/SmokeFixtures.h"
#include "smoke/SmokeWizard.h"
#include "support/TestSupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace smoke;
using namespace Qt::StringLiterals;

namespace {

QStringList blockLabels(const QByteArray& document)
{
    QStringList labels;
    static const QRegularExpression label(uR"(\\b \(([0-9a.]+)\)\\tab)"_s);
    for (const auto& match : label.globalMatch(QString::fromLatin1(document)))
        labels << match.captured(1);
    return labels;
}

} // namespace

TEST(SmokeReportTest, WholeReportOfTheCorridorIsTheStoredText)
{
    const SmokeRun run = runSmokeProject(corridorProject(), dot);
    ASSERT_TRUE(run.wizard.result());
    EXPECT_EQ(run.wizard.report().document(), fixtureBytes(u"smoke"_s, u"corridor.rtf"_s));
    EXPECT_EQ(blockLabels(run.wizard.report().document()),
        QStringList({u"2"_s, u"2a"_s, u"20"_s, u"21"_s, u"22"_s, u"23"_s, u"24"_s, u"26.1"_s, u"27.1"_s,
            u"28.1"_s, u"26.2"_s, u"27.2"_s, u"28.2"_s, u"29"_s, u"30"_s, u"31"_s, u"32"_s, u"34"_s, u"35"_s,
            u"36"_s, u"37"_s, u"38"_s, u"39"_s, u"40"_s, u"41"_s, u"42"_s, u"43"_s, u"44"_s, u"45"_s}));
}

TEST(SmokeReportTest, BlocksFollowTheCase)
{
    SmokeProject large = roomProject(u"5"_s, u"12"_s);
    const SmokeRun room = runSmokeProject(large, dot);
    ASSERT_TRUE(room.wizard.result());
    const QByteArray document = room.wizard.report().document();
    const QStringList labels = blockLabels(document);
    EXPECT_EQ(labels.first(), u"5");
    EXPECT_EQ(labels.at(labels.indexOf(u"32"_s) + 1), u"33"); // a metal shaft
    EXPECT_FALSE(labels.contains(u"41"_s)); // a roof fan
    // The first block follows the heading after a single paragraph mark.
    EXPECT_TRUE(document.contains(R"(\pard\fi118\b0\par\b (5)\tab)"));
    EXPECT_TRUE(document.endsWith("\\par\\par }}"));

    // A step that stops before the calculation leaves the report without a calculation part.
    SmokeWizard wizard;
    SmokeProject bad = residentialProject();
    bad.doorHeight = u"0"_s;
    const SmokeStep step = wizard.next(bad, dot);
    EXPECT_FALSE(step.ok);
    EXPECT_EQ(step.focus, SmokeField::DoorHeight);
    EXPECT_EQ(step.messages, QStringList {u"Значение не может быть меньше или равно нулю."_s});
    EXPECT_TRUE(wizard.report().document().endsWith("\\par }"));
    EXPECT_FALSE(wizard.report().document().contains("\\par\\par }"));
}
