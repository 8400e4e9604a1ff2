#include "tembrix/about/FRMabout.h"

#include "AboutWidgets.h"
#include "tembrix/about/AboutAnimation.h"
#include "tembrix/platformqt/AuthorLinks.h"
#include "tembrix/platformqt/DesktopServices.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/ShellOpen.h"
#include "tembrix/resources/Artwork.h"

#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace tembrix {

namespace {

constexpr int kFrameWidth = 3; // the raised window frame around the inner area
constexpr int kInnerWidth = 387;
constexpr int kInnerHeight = 262;

const QString kIsxHome = QStringLiteral("http://www.wintax.nl/isx/");
const QString kInnoSetupHome = QStringLiteral("https://jrsoftware.org/isinfo.php");
const QString kIsToolHome = QStringLiteral("http://www.istool.org/");

AboutAnimation::Button animationButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return AboutAnimation::Button::Left;
    case Qt::RightButton:
        return AboutAnimation::Button::Right;
    default:
        return AboutAnimation::Button::Other;
    }
}

bool isPress(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress ||
           event->type() == QEvent::MouseButtonDblClick; // a double click's second press
}

// A link of the window: text only, framed while hovered or pressed.
ImageButton* linkButton(const char* name, const QString& caption, QWidget* owner,
                        const QRect& geometry) {
    auto* button = new ImageButton(owner);
    button->setObjectName(QString::fromLatin1(name));
    button->applyLinkStyle(false);
    button->setCaption(caption);
    button->setGeometry(geometry);
    return button;
}

// A label in the buttons' face and size; it keeps its design width unless its
// text needs more.
QLabel* textLabel(const char* name, const QString& text, QWidget* owner, int x, int y, int width) {
    auto* label = new QLabel(text, owner);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ImageButton::defaultFont());
    label->setGeometry(x, y, std::max(width, label->sizeHint().width()), 13);
    return label;
}

void growToText(QLabel* label) {
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

} // namespace

struct FRMabout::Parts {
    DesktopServices services; // a copy: the caller's set may be a temporary
    AboutAnimation animation;

    AboutBackground* background = nullptr;
    CloseMarkPiece* LBLexit = nullptr;
    CloseMarkPiece* LBLtop = nullptr;
    CloseMarkPiece* LBLdown = nullptr;
    SunkenBox* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* LBLappname = nullptr;
    QLabel* LBLversion = nullptr;
    QLabel* LBLexe = nullptr;
    ImageButton* LBLcopyRight = nullptr;
    ImageButton* LBLCieName = nullptr;
    QGroupBox* Frame1 = nullptr;
    ImageButton* abISX = nullptr;
    ImageButton* abIS = nullptr;
    ImageButton* abIStools = nullptr;
    QTimer* Timer1 = nullptr;

    QPoint exitRest;             ///< LBLexit's place when not pressed
    QPoint dragOrigin;           ///< inner-area point grabbed on the background
    bool backgroundHeld = false; ///< a button went down on the background and is still held

    explicit Parts(const DesktopServices& s) : services(s) {}

    // The program's name, version and file, and the author's two links.
    void createIdentity() {
        QWidget* inner = background;
        textLabel("Label1", QStringLiteral("Application   :"), inner, 180, 24, 64);
        LBLappname = textLabel("LBLappname", QString(), inner, 252, 24, 42);
        textLabel("Label2", QStringLiteral("Version         :"), inner, 180, 44, 65);
        LBLversion = textLabel("LBLversion", QString(), inner, 252, 44, 233);
        textLabel("Label4", QString::fromUtf8("Exécutable   :"), inner, 180, 64, 65);
        LBLexe = textLabel("LBLexe", QString(), inner, 252, 64, 113);
        textLabel("Label3", QStringLiteral("CopyRight    :"), inner, 180, 84, 64);
        LBLcopyRight = linkButton("LBLcopyRight", authorMail(), inner, {248, 80, 117, 21});
        textLabel("Label5", QStringLiteral("Organisation :"), inner, 180, 104, 61);
        LBLCieName = linkButton("LBLCieName", authorSite(), inner, {248, 100, 117, 21});

        if (const AppInfo* app = services.app) {
            LBLappname->setText(app->title());
            LBLversion->setText(QStringLiteral("%1.%2.%3")
                                    .arg(app->versionMajor())
                                    .arg(app->versionMinor())
                                    .arg(app->versionRevision()));
            LBLexe->setText(app->executableName() + QStringLiteral(".exe"));
            for (QLabel* label : {LBLappname, LBLversion, LBLexe})
                growToText(label);
        }
    }

    // The frame of links to the compiler and its tools.
    void createToolLinks() {
        Frame1 = new QGroupBox(QStringLiteral("Links"), background);
        Frame1->setObjectName(QStringLiteral("Frame1"));
        Frame1->setGeometry(8, 128, 373, 125);
        Frame1->setFont(ImageButton::defaultFont());
        textLabel("Label6", QStringLiteral("My Inno Setup Extensions :"), Frame1, 8, 24, 129);
        abISX = linkButton("abISX", kIsxHome, Frame1, {167, 20, 165, 21});
        textLabel("Label7", QStringLiteral("Inno Setup home page :"), Frame1, 16, 56, 114);
        abIS = linkButton("abIS", kInnoSetupHome, Frame1, {167, 52, 165, 21});
        textLabel("Label8", QStringLiteral("IStools home page :"), Frame1, 24, 92, 94);
        abIStools = linkButton("abIStools", kIsToolHome, Frame1, {167, 88, 165, 21});
    }

    // Every link opens its address through the shell and shows its resting look again.
    void connectLinks(FRMabout* window, const QCursor& linkCursor) {
        auto openLink = [this](ImageButton* button, const QString& target) {
            if (services.shell && services.messageBoxes)
                ShellOpen(*services.shell, *services.messageBoxes, target, 10, QString(), QString(),
                          QStringLiteral("open"), nullptr);
            button->ResetLook();
        };
        for (ImageButton* link : {abIS, abISX, abIStools, LBLCieName, LBLcopyRight})
            link->setMouseIcon(linkCursor);
        for (ImageButton* tool : {abIS, abIStools, abISX})
            QObject::connect(tool, &QAbstractButton::clicked, window,
                             [openLink, tool] { openLink(tool, tool->caption()); });
        QObject::connect(LBLCieName, &QAbstractButton::clicked, window,
                         [openLink, this] { openLink(LBLCieName, authorSite()); });
        QObject::connect(LBLcopyRight, &QAbstractButton::clicked, window, [openLink, this] {
            openLink(LBLcopyRight,
                     authorMailLink(LBLappname->text() + QLatin1Char(' ') + LBLversion->text()));
        });
    }

    // The picture strip behind its sunken box, and the timer that moves it.
    void createAnimation(FRMabout* window) {
        Picture1 = new SunkenBox(background);
        Picture1->setObjectName(QStringLiteral("Picture1"));
        Picture1->setGeometry(8, 28, kAnimationFrameWidth + 2 * SunkenBox::kBorder,
                              kAnimationFrameHeight + 2 * SunkenBox::kBorder);
        Image1 = new QLabel(Picture1->viewport());
        Image1->setObjectName(QStringLiteral("Image1"));
        Image1->setPixmap(QPixmap(QStringLiteral(":/tembrix/about/animation.png")));
        Image1->setGeometry(0, 0, kAnimationFrameWidth,
                            kAnimationFrameHeight * kAnimationFrameCount);
        Image1->installEventFilter(window);

        Timer1 = new QTimer(window);
        Timer1->setObjectName(QStringLiteral("Timer1"));
        Timer1->setInterval(AboutAnimation::kStartInterval);
        QObject::connect(Timer1, &QTimer::timeout, window, &FRMabout::Timer1_Timer);
    }

    // The close mark; the frame halves lie behind it, around it, hidden until hovered.
    void createCloseMark(FRMabout* window) {
        LBLtop = new CloseMarkPiece(CloseMarkPiece::Piece::TopLeftFrame, background);
        LBLtop->setObjectName(QStringLiteral("LBLtop"));
        LBLdown = new CloseMarkPiece(CloseMarkPiece::Piece::BottomRightFrame, background);
        LBLdown->setObjectName(QStringLiteral("LBLdown"));
        LBLexit = new CloseMarkPiece(CloseMarkPiece::Piece::Cross, background);
        LBLexit->setObjectName(QStringLiteral("LBLexit"));
        LBLexit->move(372, 5);
        LBLexit->installEventFilter(window);

        exitRest = LBLexit->pos();
        LBLtop->move(exitRest - QPoint(3, 4));
        LBLdown->move(exitRest - QPoint(3, 4));
        LBLtop->setColor(Qt::white);
        LBLdown->setColor(Qt::black);
        LBLtop->hide();
        LBLdown->hide();
    }

    // A press pauses or steps the animation, a release resumes it.
    bool animationMouse(QEvent* event) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const bool wasRunning = Timer1->isActive();
        if (isPress(event))
            animation.mouseDown(animationButton(me->button()));
        else if (event->type() == QEvent::MouseButtonRelease)
            animation.mouseUp(animationButton(me->button()));
        else
            return true;
        Image1->move(0, animation.imageTop());
        // A running timer restarts its countdown when its interval is set, so
        // it is touched only when the animation pauses, steps or resumes.
        if (animation.running() != wasRunning || !wasRunning) {
            Timer1->setInterval(animation.interval());
            if (animation.running())
                Timer1->start();
            else
                Timer1->stop();
        }
        return true;
    }

    // The close mark shows its frame when entered, sinks while pressed, and
    // closes the window on a left release over it.
    bool closeMarkEvent(QEvent* event, bool mouseEvent, FRMabout* window) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Enter) {
            LBLtop->show();
            LBLdown->show();
            LBLexit->raise();
            return false;
        }
        if (!mouseEvent)
            return false;
        const auto* me = static_cast<QMouseEvent*>(event);
        if (isPress(event)) {
            LBLtop->setColor(Qt::black);
            LBLdown->setColor(Qt::white);
            // An absolute place, so that a double click cannot make the mark drift.
            LBLexit->move(exitRest + QPoint(1, 1));
        } else if (type == QEvent::MouseButtonRelease) {
            LBLtop->setColor(Qt::white);
            LBLdown->setColor(Qt::black);
            LBLexit->move(exitRest);
            if (me->button() == Qt::LeftButton &&
                LBLexit->rect().contains(me->position().toPoint()))
                window->accept();
        }
        return true;
    }

    // The left button drags the window from the background; moving over the
    // background hides the close mark's frame.
    bool backgroundMouse(QEvent* event, FRMabout* window) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const QPoint pos = me->position().toPoint();
        // Events that a control let through are not the background's.
        const bool overBackground = background->childAt(pos) == nullptr;
        if (isPress(event)) {
            if (overBackground) {
                dragOrigin = pos;
                backgroundHeld = true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            if (me->buttons() == Qt::NoButton)
                backgroundHeld = false;
        } else if (event->type() == QEvent::MouseMove) {
            if (overBackground || backgroundHeld) {
                LBLtop->hide();
                LBLdown->hide();
            }
            if (backgroundHeld && me->buttons() == Qt::LeftButton) {
                window->move(window->pos() + (pos - dragOrigin));
                window->raise();
            }
        }
        return true;
    }
};

FRMabout::FRMabout(const DesktopServices& services, const QCursor& linkCursor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_parts(new Parts(services)) {
    ensureArtwork();
    Parts& d = *m_parts;
    setObjectName(QStringLiteral("FRMabout"));
    setModal(true);
    setFixedSize(kInnerWidth + 2 * kFrameWidth, kInnerHeight + 2 * kFrameWidth);

    d.background = new AboutBackground(QPixmap(QStringLiteral(":/tembrix/about/title.png")), this);
    d.background->setGeometry(kFrameWidth, kFrameWidth, kInnerWidth, kInnerHeight);
    d.background->setMouseTracking(true);
    d.background->installEventFilter(this);

    d.createIdentity();
    d.createToolLinks();
    d.createAnimation(this);
    d.createCloseMark(this);
    d.connectLinks(this, linkCursor);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));

    d.Timer1->start();
}

FRMabout::~FRMabout() = default;

void FRMabout::Timer1_Timer() {
    Parts& d = *m_parts;
    d.animation.tick();
    d.Image1->move(0, d.animation.imageTop());
    if (d.Timer1->isActive())
        d.Timer1->start(d.animation.interval());
    else
        d.Timer1->setInterval(d.animation.interval());
}

bool FRMabout::eventFilter(QObject* watched, QEvent* event) {
    Parts& d = *m_parts;
    const QEvent::Type type = event->type();
    const bool mouseEvent = type == QEvent::MouseButtonPress ||
                            type == QEvent::MouseButtonRelease ||
                            type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
    if (watched == d.Image1 && mouseEvent)
        return d.animationMouse(event);
    if (watched == d.LBLexit)
        return d.closeMarkEvent(event, mouseEvent, this);
    if (watched == d.background && mouseEvent)
        return d.backgroundMouse(event, this);
    return QDialog::eventFilter(watched, event);
}

void FRMabout::paintEvent(QPaintEvent*) {
    // The classic raised window frame, three pixels deep.
    paintBeveledFace(*this, QPalette::Midlight, QPalette::Shadow, QPalette::Light, QPalette::Dark);
}

} // namespace tembrix
