#include "app/SharedWindows.h"
#include "app/DescriptionItems.h"
#include "app/LinkLabel.h"
#include "app/TFormAbout.h"
#include "app/TFormManual.h"
#include "app/TForm_Animate.h"
#include "app/TForm_Foto.h"
#include "ui/Messages.h"

#include <QDesktopServices>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

TEST(SharedWindowsRegistry, CreatesEachWindowOnceOwnedByTheFrame)
{
    auto frame = std::make_unique<QMainWindow>();
    SharedWindows::createAll(frame.get());
    const QList<QWidget*> windows = SharedWindows::all();
    ASSERT_FALSE(windows.isEmpty());
    EXPECT_STREQ(windows.first()->metaObject()->className(), "TFormAbout");
    for (QWidget* window : windows) {
        EXPECT_EQ(window->parentWidget(), frame.get());
        EXPECT_TRUE(window->isWindow());
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(SharedWindows::findByClassName("TForm_Foto"), SharedWindows::get<TForm_Foto>());
    frame.reset();
    EXPECT_TRUE(SharedWindows::all().isEmpty());
    EXPECT_EQ(SharedWindows::get<TForm_Animate>(), nullptr);
}

TEST(ProgressWindow, ShownForTheRunAndClosedOnEveryExitPath)
{
    auto frame = std::make_unique<QMainWindow>();
    SharedWindows::createAll(frame.get());
    auto* progress = SharedWindows::get<TForm_Animate>();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->windowTitle(), u"Идет анализ..."_s);
    EXPECT_TRUE(progress->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    {
        BusyScope busy;
        EXPECT_TRUE(progress->isVisible());
        {
            BusyScope nested; // an inner run leaves the window to the outer one
        }
        EXPECT_TRUE(progress->isVisible());
    }
    EXPECT_FALSE(progress->isVisible());
    try {
        BusyScope busy;
        throw std::runtime_error("store error");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(progress->isVisible());
}

TEST(PhotoWindow, MissingPictureKeepsThePreviousOne)
{
    TForm_Foto photo;
    EXPECT_TRUE(photo.loadPicture(u"Logo.bmp"_s));
    const QLabel* picture = photo.findChild<QLabel*>(u"Image_Foto"_s);
    const QSize shown = picture->pixmap().size();
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_FALSE(photo.loadPicture(u"NoSuchPhoto.bmp"_s));
    EXPECT_EQ(picture->pixmap().size(), shown);
}

TEST(AboutBox, LinkOpensTheMakersWebAddress)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"https"_s, &recorder, "open");
    TFormAbout about;
    about.show();
    auto* link = about.findChild<LinkLabel*>(u"Label_WWW"_s);
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(u"https"_s);
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_TRUE(recorder.opened.first().host().contains(u"zefiron"_s));
}

TEST(DescriptionWindow, PrintHandsOverTheShownTextWithTheItemsTitleAndPicture)
{
    ui::setMessageSink([](const QString&, ui::MessageKind) {});
    TFormManual manual;
    const DescriptionItem& item = descriptionItems().at(2);
    manual.showItem(item);
    QSignalSpy print(&manual, &TFormManual::printRequested);
    manual.findChild<QPushButton*>(u"BitBtn_Print"_s)->click();
    ui::setMessageSink({});
    ASSERT_EQ(print.size(), 1);
    EXPECT_EQ(print.at(0).at(0).toString(), item.reportTitle);
    EXPECT_EQ(print.at(0).at(1).value<QTextDocument*>(), manual.document());
    EXPECT_EQ(print.at(0).at(2).toString(), item.reportPicture);
}

#include "SharedWindowsTest.moc"
