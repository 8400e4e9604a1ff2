#include "tembrix/about/FRMabout.h"
#include "tembrix/platformqt/DesktopServices.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/resources/Artwork.h"

#include "RecordingServices.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using tembrix::FRMabout;
using tembrix::ImageButton;

namespace {

// The version that the window shows and puts into the mail subject.
FixedAppInfo versioned() {
    FixedAppInfo app;
    app.minor = 2;
    app.revision = 3;
    return app;
}

void mouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void press(QWidget* target, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    mouse(target, QEvent::MouseButtonPress, pos, button, button);
}

void release(QWidget* target, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    mouse(target, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

void moveTo(QWidget* target, QPoint pos, Qt::MouseButtons held) {
    mouse(target, QEvent::MouseMove, pos, Qt::NoButton, held);
}

void enter(QWidget* target) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(target->mapToGlobal(QPoint(2, 2))));
    QApplication::sendEvent(target, &event);
}

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        services.app = &app;
        services.shell = &shell;
        services.messageBoxes = &boxes;
        window = std::make_unique<FRMabout>(services, pointer);
        window->show();
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QWidget* background() const { return control<QLabel>("LBLappname")->parentWidget(); }
    QTimer* timer() const { return control<QTimer>("Timer1"); }
    int shownFrame() const { return -control("Image1")->y() / 85; }

    FixedAppInfo app = versioned();
    RecordingShell shell;
    RecordingBoxes boxes;
    tembrix::DesktopServices services;
    QCursor pointer = tembrix::linkCursor();
    std::unique_ptr<FRMabout> window;
};

TEST_F(AboutWindow, LoadsIdentityFramesAndSharedLinkPointer) {
    EXPECT_EQ(window->size(), QSize(393, 268));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->isModal());
    EXPECT_EQ(control<QLabel>("LBLappname")->text(), QStringLiteral("Tembrix"));
    EXPECT_EQ(control<QLabel>("LBLversion")->text(), QStringLiteral("1.2.3"));
    EXPECT_EQ(control<QLabel>("LBLexe")->text(), QStringLiteral("tembrix.exe"));
    EXPECT_EQ(control<QLabel>("Label4")->text(), QString::fromUtf8("Exécutable   :"));
    EXPECT_EQ(control<QGroupBox>("Frame1")->title(), QStringLiteral("Links"));

    // the inner area starts inside the three-pixel frame
    EXPECT_EQ(background()->geometry(), QRect(3, 3, 387, 262));
    EXPECT_EQ(control("LBLexit")->geometry(), QRect(372, 5, 11, 11));
    EXPECT_EQ(control("LBLtop")->geometry(), QRect(369, 1, 16, 16));
    EXPECT_EQ(control("LBLdown")->geometry(), QRect(369, 1, 16, 16));
    EXPECT_FALSE(control("LBLtop")->isVisible());
    EXPECT_FALSE(control("LBLdown")->isVisible());
    EXPECT_EQ(control("Picture1")->geometry(), QRect(8, 28, 164, 89));
    EXPECT_EQ(control("Image1")->geometry(), QRect(0, 0, 160, 1275));
    EXPECT_EQ(control("Image1")->parentWidget()->size(), QSize(160, 85));

    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1000);

    ASSERT_FALSE(pointer.pixmap().isNull());
    for (const char* name : {"abIS", "abIStools", "abISX", "LBLCieName", "LBLcopyRight"}) {
        const auto* link = control<ImageButton>(name);
        EXPECT_EQ(link->mouseIcon().pixmap().cacheKey(), pointer.pixmap().cacheKey()) << name;
        EXPECT_EQ(link->mouseIcon().hotSpot(), QPoint(6, 1)) << name;
    }
}

TEST_F(AboutWindow, TimerWalksTheStripFrameByFrameWithEachFramesTime) {
    std::vector<int> frames;
    int cycle = timer()->interval();
    for (int step = 0; step < 15; ++step) {
        window->Timer1_Timer();
        frames.push_back(shownFrame());
        if (step < 14)
            cycle += timer()->interval();
        EXPECT_TRUE(timer()->isActive());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0}));
    EXPECT_EQ(cycle, 5300);
    EXPECT_EQ(control("Image1")->y(), 0);
    EXPECT_EQ(timer()->interval(), 1000);
}

TEST_F(AboutWindow, MouseOnThePicturePausesStepsAndResumes) {
    QWidget* image = control("Image1");
    const QPoint start = window->pos();
    for (int i = 0; i < 14; ++i)
        window->Timer1_Timer();

    // Running: a right click does nothing, not even restart the frame's time.
    QThread::msleep(60);
    press(image, {20, 1210}, Qt::RightButton);
    release(image, {20, 1210}, Qt::RightButton);
    EXPECT_EQ(shownFrame(), 14);
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 100);
    EXPECT_LT(timer()->remainingTime(), 90);

    press(image, {20, 1210}, Qt::LeftButton);
    EXPECT_FALSE(timer()->isActive());
    mouse(image, QEvent::MouseButtonPress, {20, 1210}, Qt::RightButton,
          Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(shownFrame(), 0); // after 14 comes 0
    EXPECT_FALSE(timer()->isActive());
    mouse(image, QEvent::MouseButtonRelease, {20, 30}, Qt::RightButton, Qt::LeftButton);
    mouse(image, QEvent::MouseButtonPress, {20, 30}, Qt::RightButton,
          Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(shownFrame(), 1);
    mouse(image, QEvent::MouseButtonRelease, {20, 100}, Qt::RightButton, Qt::LeftButton);
    EXPECT_FALSE(timer()->isActive());

    moveTo(image, {60, 160}, Qt::LeftButton);
    release(image, {60, 160}, Qt::LeftButton);
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 200);
    EXPECT_EQ(window->pos(), start); // the picture is a control: it never drags
}

TEST_F(AboutWindow, OnlyTheLeftButtonDragsAndOnlyFromTheBackground) {
    QWidget* back = background();
    const QPoint start = window->pos();

    // the title strip is background: the grabbed point follows the pointer
    press(back, {100, 8});
    moveTo(back, {130, 20}, Qt::LeftButton);
    EXPECT_EQ(window->pos(), start + QPoint(30, 12));
    EXPECT_EQ(back->mapToGlobal(QPoint(100, 8)), start + QPoint(3, 3) + QPoint(130, 20));
    moveTo(back, {90, 8}, Qt::LeftButton);
    EXPECT_EQ(window->pos(), start + QPoint(20, 12));
    release(back, {90, 8});
    const QPoint dragged = window->pos();

    press(back, {100, 120}, Qt::RightButton);
    moveTo(back, {150, 150}, Qt::RightButton);
    moveTo(back, {150, 150}, Qt::LeftButton | Qt::RightButton);
    release(back, {150, 150}, Qt::RightButton);
    EXPECT_EQ(window->pos(), dragged);

    // controls: a label, the Links group and a label inside it
    for (QWidget* from : {control("Label1"), control("Frame1"), control("Label7")}) {
        press(from, {2, 2});
        moveTo(from, {40, 30}, Qt::LeftButton);
        release(from, {40, 30});
        EXPECT_EQ(window->pos(), dragged) << from->objectName().toStdString();
    }

    // after the press ends, moving with no button does not drag either
    moveTo(back, {200, 120}, Qt::NoButton);
    EXPECT_EQ(window->pos(), dragged);
}

TEST_F(AboutWindow, CloseMarkShowsPressesRestoresAndClosesOnLeftClickOnly) {
    QWidget* mark = control("LBLexit");
    auto* top = control<QWidget>("LBLtop");
    auto* down = control<QWidget>("LBLdown");

    enter(mark);
    EXPECT_TRUE(top->isVisible());
    EXPECT_TRUE(down->isVisible());
    // moving onto a control keeps the frame; the background hides it
    moveTo(control("LBLversion"), {3, 3}, Qt::NoButton);
    EXPECT_TRUE(top->isVisible());
    moveTo(background(), {300, 40}, Qt::NoButton);
    EXPECT_FALSE(top->isVisible());
    EXPECT_FALSE(down->isVisible());
    enter(mark);

    auto colors = [&] {
        return std::pair(top->palette().color(QPalette::WindowText),
                         down->palette().color(QPalette::WindowText));
    };
    const auto atRest = std::pair(QColor(Qt::white), QColor(Qt::black));
    EXPECT_EQ(colors(), atRest);
    press(mark, {5, 5}, Qt::RightButton);
    EXPECT_EQ(mark->pos(), QPoint(373, 6));
    EXPECT_EQ(colors(), std::pair(QColor(Qt::black), QColor(Qt::white)));
    release(mark, {5, 5}, Qt::RightButton);
    EXPECT_EQ(mark->pos(), QPoint(372, 5));
    EXPECT_EQ(colors(), atRest);
    EXPECT_TRUE(window->isVisible());

    // pressed, then released away from the mark: back in place, still open
    press(mark, {5, 5});
    EXPECT_EQ(mark->pos(), QPoint(373, 6));
    release(mark, {40, 40});
    EXPECT_EQ(mark->pos(), QPoint(372, 5));
    EXPECT_TRUE(window->isVisible());

    // a double click's extra press does not make the mark drift
    press(mark, {5, 5}, Qt::RightButton);
    release(mark, {5, 5}, Qt::RightButton);
    mouse(mark, QEvent::MouseButtonDblClick, {5, 5}, Qt::RightButton, Qt::RightButton);
    release(mark, {5, 5}, Qt::RightButton);
    EXPECT_EQ(mark->pos(), QPoint(372, 5));

    press(mark, {5, 5});
    release(mark, {5, 5});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(AboutWindow, LinksOpenTheirAddressesThroughTheShellAndResetTheirLook) {
    struct Case {
        const char* button;
        QString opened;
    };
    const Case cases[] = {
        {"abIS", QStringLiteral("https://jrsoftware.org/isinfo.php")},
        {"abIStools", QStringLiteral("http://www.istool.org/")},
        {"abISX", QStringLiteral("http://www.wintax.nl/isx/")},
        {"LBLCieName", QStringLiteral("https://tembrix.org")},
        {"LBLcopyRight",
         QStringLiteral("mailto:auteur@tembrix.org?subject=About%20Tembrix%201.2.3")},
    };
    for (const Case& c : cases) {
        auto* link = control<ImageButton>(c.button);
        enter(link);
        ASSERT_EQ(link->currentLook(), ImageButton::Look::Over) << c.button;
        link->click();
        ASSERT_FALSE(shell.requests.empty()) << c.button;
        const tembrix::ShellRequest& request = shell.requests.back();
        EXPECT_EQ(request.file, c.opened) << c.button;
        EXPECT_EQ(request.verb, QStringLiteral("open"));
        EXPECT_TRUE(request.parameters.isEmpty());
        EXPECT_TRUE(request.directory.isEmpty());
        EXPECT_EQ(request.owner, nullptr);
        EXPECT_EQ(link->currentLook(), ImageButton::Look::Rest) << c.button;
    }
    EXPECT_EQ(shell.requests.size(), 5u);
    // the three tool links open their own caption
    control<ImageButton>("abIS")->setCaption(QStringLiteral("https://example.org/"));
    control<ImageButton>("abIS")->click();
    EXPECT_EQ(shell.requests.back().file, QStringLiteral("https://example.org/"));

    // a refused link is shown once and the window stays as it was
    shell.result = 2;
    control<ImageButton>("LBLCieName")->click();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(window->isVisible());
}

TEST(AboutWindowMail, SubjectIsPercentEncodedAndMissingServicesAreHarmless) {
    FixedAppInfo app = versioned();
    app.name = QStringLiteral("Tem brix & Co?");
    RecordingShell shell;
    RecordingBoxes boxes;
    tembrix::DesktopServices services;
    services.app = &app;
    services.shell = &shell;
    services.messageBoxes = &boxes;
    FRMabout window(services, QCursor(Qt::PointingHandCursor));
    window.findChild<ImageButton*>(QStringLiteral("LBLcopyRight"))->click();
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].file,
              QStringLiteral(
                  "mailto:auteur@tembrix.org?subject=About%20Tem%20brix%20%26%20Co%3F%201.2.3"));

    FRMabout bare(tembrix::DesktopServices{}, QCursor());
    EXPECT_TRUE(bare.findChild<QLabel*>(QStringLiteral("LBLappname"))->text().isEmpty());
    bare.findChild<ImageButton*>(QStringLiteral("abIS"))->click(); // no shell: nothing happens
    EXPECT_EQ(bare.findChild<ImageButton*>(QStringLiteral("abIS"))->currentLook(),
              ImageButton::Look::Rest);
}

} // namespace
