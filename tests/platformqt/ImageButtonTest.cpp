#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "tembrix/platformqt/ImageButton.h"

using namespace tembrix;
using Look = ImageButton::Look;

namespace {

const QColor kParentColor(10, 200, 10);

// A button on a parent of a known colour, so that a grab shows what the button leaves unpainted.
struct Bench {
    QWidget parent;
    ImageButton* button;
    Bench(QSize size = QSize(100, 23)) {
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, kParentColor);
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        parent.resize(size + QSize(20, 20));
        button = new ImageButton(&parent);
        button->setGeometry(QRect(QPoint(10, 10), size));
        parent.show();
    }
    void hover() {
        QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QApplication::sendEvent(button, &enter);
    }
    void leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }
    QImage image() { return button->grab().toImage(); }
    QImage scene() { return parent.grab().toImage(); }
};

QColor color(QPalette::ColorRole role) {
    return QApplication::palette().color(role);
}

int countNear(const QImage& image, const QColor& wanted, int tolerance = 60) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - wanted.red()) + std::abs(c.green() - wanted.green()) +
                    std::abs(c.blue() - wanted.blue()) <
                tolerance)
                ++count;
        }
    return count;
}

} // namespace

TEST(ImageButton, LinkLooksFollowThePointerAndThePress) {
    Bench bench(QSize(130, 21));
    ImageButton& b = *bench.button;
    b.applyLinkStyle(true);
    b.setCaption("http://www.example.org");
    QSignalSpy clicks(&b, &QAbstractButton::clicked);

    EXPECT_EQ(b.lookStyle(Look::Rest).foreColor, QColor(0, 0, 255));
    EXPECT_EQ(b.lookStyle(Look::Over).foreColor, QColor(0, 0, 128));
    EXPECT_EQ(b.lookStyle(Look::Down).foreColor, QColor(128, 0, 128));
    EXPECT_TRUE(b.lookStyle(Look::Rest).underline);
    EXPECT_TRUE(b.lookStyle(Look::Over).underline);
    EXPECT_FALSE(b.lookStyle(Look::Down).underline);

    // At rest: no frame and no background, the blue caption on the parent's colour.
    EXPECT_EQ(b.currentLook(), Look::Rest);
    QImage scene = bench.scene();
    EXPECT_EQ(scene.pixel(10, 10), QColor(kParentColor).rgb());
    EXPECT_EQ(scene.pixel(139, 30), QColor(kParentColor).rgb());
    EXPECT_GT(countNear(scene, QColor(0, 0, 255)), 20);

    bench.hover();
    EXPECT_EQ(b.currentLook(), Look::Over);
    QImage over = bench.image();
    EXPECT_EQ(over.pixel(0, 0), QColor(color(QPalette::Light)).rgb());
    EXPECT_EQ(over.pixel(129, 20), QColor(color(QPalette::Dark)).rgb());
    EXPECT_EQ(over.pixel(1, 1), QColor(color(QPalette::Button)).rgb());
    EXPECT_GT(countNear(over, QColor(0, 0, 128)), 20);

    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b.currentLook(), Look::Down);
    QImage down = bench.image();
    EXPECT_EQ(down.pixel(0, 0), QColor(color(QPalette::Dark)).rgb());
    EXPECT_EQ(down.pixel(129, 20), QColor(color(QPalette::Light)).rgb());
    EXPECT_GT(countNear(down, QColor(128, 0, 128)), 20);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(b.currentLook(), Look::Over);
    bench.leave();
    EXPECT_EQ(b.currentLook(), Look::Rest);
}

TEST(ImageButton, PushFrameIsTheClassicBevel) {
    Bench bench(QSize(72, 21));
    ImageButton& b = *bench.button;
    b.setCaption("Suivant >");
    const QImage rest = bench.image();
    EXPECT_EQ(rest.pixel(0, 0), QColor(color(QPalette::Light)).rgb());
    EXPECT_EQ(rest.pixel(1, 1), QColor(color(QPalette::Midlight)).rgb());
    EXPECT_EQ(rest.pixel(71, 20), QColor(color(QPalette::Shadow)).rgb());
    EXPECT_EQ(rest.pixel(70, 19), QColor(color(QPalette::Dark)).rgb());
    EXPECT_EQ(rest.pixel(71, 0),
              QColor(color(QPalette::Shadow)).rgb()); // the corner is the bottom-right's
    EXPECT_EQ(rest.pixel(3, 10), QColor(color(QPalette::Button)).rgb());

    b.setDown(true);
    const QImage down = bench.image();
    EXPECT_EQ(down.pixel(0, 0), QColor(color(QPalette::Shadow)).rgb());
    EXPECT_EQ(down.pixel(71, 20), QColor(color(QPalette::Shadow)).rgb());
    EXPECT_EQ(down.pixel(1, 1), QColor(color(QPalette::Dark)).rgb());
    EXPECT_EQ(down.pixel(70, 19), QColor(color(QPalette::Dark)).rgb());

    ImageButton::FrameColors custom{Qt::red, Qt::green, Qt::blue, Qt::yellow};
    b.setDown(false);
    b.setFrameColors(custom);
    const QImage coloured = bench.image();
    EXPECT_EQ(coloured.pixel(0, 0), QColor(QColor(Qt::red)).rgb());
    EXPECT_EQ(coloured.pixel(1, 1), QColor(QColor(Qt::green)).rgb());
    EXPECT_EQ(coloured.pixel(71, 20), QColor(QColor(Qt::blue)).rgb());
    EXPECT_EQ(coloured.pixel(70, 19), QColor(QColor(Qt::yellow)).rgb());

    // The classic dialog font leaves the navigation captions room inside the bevel.
    const QFontMetrics metrics(ImageButton::defaultFont());
    EXPECT_EQ(ImageButton::defaultFont().pixelSize(), 11);
    EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8("< Précédent")), 72 - 10);
    EXPECT_LE(metrics.height(), 21 - 4);
}

TEST(ImageButton, DisabledButtonNeverClicksAndLooksGreyed) {
    Bench bench(QSize(72, 21));
    ImageButton& b = *bench.button;
    b.setCaption("Terminer");
    QSignalSpy clicks(&b, &QAbstractButton::clicked);
    const int enabledInk = countNear(bench.image(), color(QPalette::ButtonText));

    b.setEnabled(false);
    bench.hover();
    EXPECT_EQ(b.currentLook(), Look::Rest);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    b.click();
    QTest::keyClick(&b, Qt::Key_Space);
    QTest::keyClick(&b, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_LT(countNear(bench.image(), color(QPalette::ButtonText), 30), enabledInk / 4);

    b.setEnabled(true);
    b.click();
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ImageButton, SpaceEnterAndReturnPressIt) {
    Bench bench;
    ImageButton& b = *bench.button;
    b.setCaption("Suivant >");
    QSignalSpy clicks(&b, &QAbstractButton::clicked);
    EXPECT_EQ(b.focusPolicy(), Qt::StrongFocus);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyPress(&b, key);
        EXPECT_EQ(b.currentLook(), Look::Down) << key;
        QTest::keyRelease(&b, key);
        EXPECT_EQ(b.currentLook(), Look::Rest) << key;
    }
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyClick(&b, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 3);

    const QImage unfocused = bench.image(); // the focus shows
    bench.parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bench.parent));
    b.setFocus();
    EXPECT_NE(bench.image(), unfocused);
}

TEST(ImageButton, ResetLookInitialiseAndSharedMouseIcon) {
    Bench bench;
    ImageButton& b = *bench.button;
    b.applyLinkStyle(false);
    bench.hover();
    b.setDown(true);
    b.ResetLook();
    EXPECT_EQ(b.currentLook(), Look::Rest);
    EXPECT_FALSE(b.isDown());
    // The pointer still inside: its next move brings the hover back.
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), QPointF(16, 16), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
    EXPECT_EQ(b.currentLook(), Look::Over);

    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    ImageButton beside, above;
    for (ImageButton* button : {&beside, &above}) {
        button->setPictures(picture, {}, {});
        button->setCaption("Editer le script");
    }
    above.initialise(1);
    EXPECT_GT(above.sizeHint().height(), beside.sizeHint().height());
    EXPECT_LT(above.sizeHint().width(), beside.sizeHint().width());
    EXPECT_FALSE(beside.lookStyle(Look::Down).picture.isNull()); // repeats the resting one

    QPixmap hand(16, 16);
    hand.fill(Qt::black);
    ImageButton mail, site;
    mail.setMouseIcon(QCursor(hand, 3, 0));
    site.setMouseIcon(mail.mouseIcon());
    EXPECT_EQ(site.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(site.cursor().pixmap().cacheKey(), mail.mouseIcon().pixmap().cacheKey());
    EXPECT_EQ(site.mouseIcon().hotSpot(), QPoint(3, 0));
}
