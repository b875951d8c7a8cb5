#include "app/DescriptionItems.h"
#include "app/LinkLabel.h"
#include "app/ProgramContext.h"
#include "app/SharedWindowList.h"
#include "app/TFormAbout.h"
#include "app/TFormManual.h"
#include "app/TForm_Animate.h"
#include "app/TForm_Foto.h"
#include "fans/SelectedFan.h"
#include "fans/ui/FansFoundWindow.h"
#include "ui/DialogOwner.h"
#include "ui/Messages.h"

#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QUrl>
#include <cmath>
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

// Two window classes where one derives from the other, as the smoke-exhaust variants of the general
// windows may.
class GeneralWindow : public QWidget {
    Q_OBJECT
public:
    explicit GeneralWindow(QWidget* parent = nullptr)
        : QWidget(parent, Qt::Window)
    {
    }
};

class SmokeWindow : public GeneralWindow {
    Q_OBJECT
public:
    SmokeWindow(ui::Program& program, QWidget* parent)
        : GeneralWindow(parent)
        , program(program)
    {
    }
    ui::Program& program;
};

} // namespace

TEST(SharedWindowsRegistry, ProgramOrderBuiltOnFirstUseOwnedByTheFrame)
{
    auto frame = std::make_unique<QMainWindow>();
    auto program = std::make_unique<ProgramContext>(frame.get());
    registerSharedWindows(program->windows());
    const QStringList order = program->windows().registeredClasses();
    ASSERT_FALSE(order.isEmpty());
    EXPECT_EQ(order.first(), u"TFormAbout"_s);
    EXPECT_EQ(order.last(), u"TQRep_VozdAgregatLUMA"_s);
    EXPECT_EQ(order.indexOf(u"TFormGrVovazu"_s), 1);
    EXPECT_EQ(order.indexOf(u"TForm_Animate"_s), 2);
    QStringList unique = order;
    EXPECT_EQ(unique.removeDuplicates(), 0);
    EXPECT_TRUE(program->windows().created().isEmpty()); // start-up builds none of them

    auto* photo = program->windows().get<TForm_Foto>();
    EXPECT_EQ(program->windows().get<TForm_Foto>(), photo);
    EXPECT_EQ(program->windows().created(), QList<QWidget*>({photo}));
    EXPECT_EQ(program->windows().ifCreated<TFormAbout>(), nullptr);

    program->windows().createAll();
    const QList<QWidget*> windows = program->windows().created();
    ASSERT_EQ(windows.size(), order.size());
    for (int i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(QString::fromLatin1(windows[i]->metaObject()->className()), order[i]);
        EXPECT_EQ(windows[i]->parentWidget(), frame.get());
        EXPECT_TRUE(windows[i]->isWindow());
        EXPECT_FALSE(windows[i]->isVisible());
    }
    EXPECT_EQ(windows[1], program->windows().get<TFormGrVovazu>());
    // The windows go with the program, before the frame.
    const QPointer<QWidget> about = windows.first();
    program.reset();
    EXPECT_TRUE(about.isNull());
}

TEST(SharedWindowsRegistry, ExactClassOnlyAndUnregisteredIsAnError)
{
    ProgramContext program;
    program.windows().add<SmokeWindow>();
    EXPECT_TRUE(program.windows().isRegistered<SmokeWindow>());
    EXPECT_FALSE(program.windows().isRegistered<GeneralWindow>());
    // The derived variant is never handed out for its base, and nothing is made on the fly.
    EXPECT_THROW(program.windows().get<GeneralWindow>(), ui::SharedWindowError);
    EXPECT_TRUE(program.windows().created().isEmpty());
    EXPECT_THROW(program.windows().get<TFormAbout>(), ui::SharedWindowError);
    EXPECT_THROW(program.windows().add<SmokeWindow>(), ui::SharedWindowError);

    program.windows().add<GeneralWindow>();
    SmokeWindow* smoke = program.windows().get<SmokeWindow>();
    GeneralWindow* general = program.windows().get<GeneralWindow>();
    EXPECT_STREQ(general->metaObject()->className(), "GeneralWindow");
    EXPECT_NE(static_cast<GeneralWindow*>(smoke), general);
    // A window that asks for the program is handed it; a registry without an owner keeps its windows
    // top-level.
    EXPECT_EQ(&smoke->program, &program);
    EXPECT_EQ(smoke->parentWidget(), nullptr);

    // The frame's services need their windows registered too.
    EXPECT_THROW(program.busyIndicator(), ui::SharedWindowError);
    EXPECT_EQ(program.openTaskWindow(u"ActionUniFanSelect"_s), nullptr); // no frame to open it in
}

TEST(SharedWindowsRegistry, PrepareStepRunsOnceWhenTheWindowIsBuilt)
{
    ProgramContext program;
    int prepared = 0;
    program.windows().add<GeneralWindow>([&prepared](GeneralWindow* window) {
        ++prepared;
        window->setObjectName(u"Prepared"_s);
    });
    EXPECT_EQ(prepared, 0);
    EXPECT_EQ(program.windows().get<GeneralWindow>()->objectName(), u"Prepared"_s);
    program.windows().get<GeneralWindow>();
    EXPECT_EQ(prepared, 1);
}

TEST(SharedRecords, RegisteredRecordsStartEmptyAndOthersAreAnError)
{
    ProgramContext program;
    std::optional<fans::SelectedFan>& fan = program.records().get<fans::SelectedFan>();
    EXPECT_FALSE(fan);
    fan.emplace().designation = u"ВКК-200"_s;
    EXPECT_EQ(program.records().get<fans::SelectedFan>()->designation, u"ВКК-200"_s);
    EXPECT_FALSE(ProgramContext().records().get<fans::SelectedFan>()); // each program has its own
    EXPECT_THROW(program.records().get<GeneralWindow*>(), ui::SharedRecordError);
    EXPECT_THROW(program.records().add<fans::SelectedFan>(), ui::SharedRecordError);
}

TEST(ProgressWindow, ShownForTheRunAndClosedOnEveryExitPath)
{
    ProgramContext program;
    program.windows().add<TForm_Animate>();
    auto* progress = program.windows().get<TForm_Animate>();
    ASSERT_EQ(program.busyIndicator(), progress);
    EXPECT_EQ(progress->windowTitle(), u"Идет анализ..."_s);
    EXPECT_TRUE(progress->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    {
        ui::BusyScope busy(program.busyIndicator());
        EXPECT_TRUE(progress->isVisible());
        {
            ui::BusyScope nested(program.busyIndicator()); // an inner run leaves the window to the outer one
        }
        EXPECT_TRUE(progress->isVisible());
    }
    EXPECT_FALSE(progress->isVisible());
    try {
        ui::BusyScope busy(program.busyIndicator());
        throw std::runtime_error("store error");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(progress->isVisible());
    ui::BusyScope none(nullptr); // a run without a progress window goes on
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

// The copyright line reads as well as ordinary text should: its darkest pixels stand against the
// dialog's face at a contrast of at least 4.5 : 1.
TEST(AboutBox, CopyrightLineIsLegible)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            v /= 255;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    TFormAbout about;
    about.show();
    auto* copyright = about.findChild<QLabel*>(u"Label_Copyright"_s);
    ASSERT_NE(copyright, nullptr);
    const QImage shown = copyright->grab().toImage();
    const double face = luminance(about.palette().color(QPalette::Window));
    double darkest = face;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            darkest = std::min(darkest, luminance(shown.pixelColor(x, y)));
    }
    EXPECT_GE((face + 0.05) / (darkest + 0.05), 4.5);
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

// A description or a photo asked for from a window that stays on top (the results of a curtain) opens
// above it, not hidden underneath; once no such window is open they are ordinary windows again.
TEST(DescriptionWindow, OpensAboveAStayOnTopRequester)
{
    ui::setMessageSink([](const QString&, ui::MessageKind) {});
    QWidget requester(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
    requester.show();
    TFormManual manual;
    TForm_Foto photo;
    manual.showItem(descriptionItems().at(2));
    ui::showAboveRequester(&photo);
    for (const QWidget* shown : {static_cast<QWidget*>(&manual), static_cast<QWidget*>(&photo)}) {
        EXPECT_TRUE(shown->isVisible());
        EXPECT_TRUE(shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    requester.hide();
    manual.showItem(descriptionItems().at(2));
    EXPECT_TRUE(manual.isVisible());
    EXPECT_FALSE(manual.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ui::setMessageSink({});
}

#include "SharedWindowsTest.moc"
