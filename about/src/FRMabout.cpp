#include "tembrix/about/FRMabout.h"

#include "AboutWidgets.h"
#include "tembrix/about/AboutAnimation.h"
#include "tembrix/platformqt/DesktopServices.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/ShellOpen.h"
#include "tembrix/resources/Artwork.h"

#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace tembrix {

namespace {

constexpr int kFrameWidth = 3; // the raised window frame around the inner area
constexpr int kInnerWidth = 387;
constexpr int kInnerHeight = 262;

const QString kIsxHome = QStringLiteral("http://www.wintax.nl/isx/");
const QString kInnoSetupHome = QStringLiteral("https://jrsoftware.org/isinfo.php");
const QString kIsToolHome = QStringLiteral("http://www.istool.org/");
const QString kAuthorSite = QStringLiteral("https://tembrix.org");
const QString kAuthorMail = QStringLiteral("auteur@tembrix.org");

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

} // namespace

struct FRMabout::Parts {
    DesktopServices services; // a copy: the caller's set may be a temporary
    AboutAnimation animation;

    AboutBackground* background = nullptr;
    CloseMark* LBLexit = nullptr;
    FrameHalf* LBLtop = nullptr;
    FrameHalf* LBLdown = nullptr;
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
    QWidget* inner = d.background;

    auto linkButton = [](const char* name, const QString& caption, QWidget* owner,
                         const QRect& geometry) {
        auto* button = new ImageButton(owner);
        button->setObjectName(QString::fromLatin1(name));
        button->applyLinkStyle(false);
        button->setCaption(caption);
        button->setGeometry(geometry);
        return button;
    };
    d.Frame1 = new QGroupBox(QStringLiteral("Links"), inner);
    d.Frame1->setObjectName(QStringLiteral("Frame1"));
    d.Frame1->setGeometry(8, 128, 373, 125);
    // The labels write in the same face and size as the buttons.
    const QFont textFont = ImageButton::defaultFont();

    // Labels keep their design width unless their text needs more.
    auto label = [&](const char* name, const QString& text, QWidget* owner, int x, int y, int w) {
        auto* l = new QLabel(text, owner);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(textFont);
        l->setGeometry(x, y, std::max(w, l->sizeHint().width()), 13);
        return l;
    };

    label("Label1", QStringLiteral("Application   :"), inner, 180, 24, 64);
    d.LBLappname = label("LBLappname", QString(), inner, 252, 24, 42);
    label("Label2", QStringLiteral("Version         :"), inner, 180, 44, 65);
    d.LBLversion = label("LBLversion", QString(), inner, 252, 44, 233);
    label("Label4", QString::fromUtf8("Exécutable   :"), inner, 180, 64, 65);
    d.LBLexe = label("LBLexe", QString(), inner, 252, 64, 113);
    label("Label3", QStringLiteral("CopyRight    :"), inner, 180, 84, 64);
    d.LBLcopyRight = linkButton("LBLcopyRight", kAuthorMail, inner, {248, 80, 117, 21});
    label("Label5", QStringLiteral("Organisation :"), inner, 180, 104, 61);
    d.LBLCieName = linkButton("LBLCieName", kAuthorSite, inner, {248, 100, 117, 21});

    d.Frame1->setFont(textFont);
    label("Label6", QStringLiteral("My Inno Setup Extensions :"), d.Frame1, 8, 24, 129);
    d.abISX = linkButton("abISX", kIsxHome, d.Frame1, {167, 20, 165, 21});
    label("Label7", QStringLiteral("Inno Setup home page :"), d.Frame1, 16, 56, 114);
    d.abIS = linkButton("abIS", kInnoSetupHome, d.Frame1, {167, 52, 165, 21});
    label("Label8", QStringLiteral("IStools home page :"), d.Frame1, 24, 92, 94);
    d.abIStools = linkButton("abIStools", kIsToolHome, d.Frame1, {167, 88, 165, 21});

    d.Picture1 = new SunkenBox(inner);
    d.Picture1->setObjectName(QStringLiteral("Picture1"));
    d.Picture1->setGeometry(8, 28, kAnimationFrameWidth + 2 * SunkenBox::kBorder,
                            kAnimationFrameHeight + 2 * SunkenBox::kBorder);
    d.Image1 = new QLabel(d.Picture1->viewport());
    d.Image1->setObjectName(QStringLiteral("Image1"));
    d.Image1->setPixmap(QPixmap(QStringLiteral(":/tembrix/about/animation.png")));
    d.Image1->setGeometry(0, 0, kAnimationFrameWidth, kAnimationFrameHeight * kAnimationFrameCount);
    d.Image1->installEventFilter(this);

    // The frame halves lie behind the close mark, around it.
    d.LBLtop = new FrameHalf(FrameHalf::Half::TopLeft, inner);
    d.LBLtop->setObjectName(QStringLiteral("LBLtop"));
    d.LBLdown = new FrameHalf(FrameHalf::Half::BottomRight, inner);
    d.LBLdown->setObjectName(QStringLiteral("LBLdown"));
    d.LBLexit = new CloseMark(inner);
    d.LBLexit->setObjectName(QStringLiteral("LBLexit"));
    d.LBLexit->move(372, 5);
    d.LBLexit->installEventFilter(this);

    d.Timer1 = new QTimer(this);
    d.Timer1->setObjectName(QStringLiteral("Timer1"));
    d.Timer1->setInterval(AboutAnimation::kStartInterval);
    connect(d.Timer1, &QTimer::timeout, this, &FRMabout::Timer1_Timer);

    // Loading, in the window's order.
    for (ImageButton* link : {d.abIS, d.abISX, d.abIStools, d.LBLCieName, d.LBLcopyRight})
        link->setMouseIcon(linkCursor);
    if (const AppInfo* app = services.app) {
        d.LBLappname->setText(app->title());
        d.LBLversion->setText(QStringLiteral("%1.%2.%3")
                                  .arg(app->versionMajor())
                                  .arg(app->versionMinor())
                                  .arg(app->versionRevision()));
        d.LBLexe->setText(app->executableName() + QStringLiteral(".exe"));
        for (QLabel* l : {d.LBLappname, d.LBLversion, d.LBLexe})
            l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
    }
    d.exitRest = d.LBLexit->pos();
    d.LBLtop->move(d.exitRest - QPoint(3, 4));
    d.LBLdown->move(d.exitRest - QPoint(3, 4));
    d.LBLtop->setColor(Qt::white);
    d.LBLdown->setColor(Qt::black);
    d.LBLtop->hide();
    d.LBLdown->hide();

    auto openLink = [this](ImageButton* button, const QString& target) {
        Parts& p = *m_parts;
        if (p.services.shell && p.services.messageBoxes)
            ShellOpen(*p.services.shell, *p.services.messageBoxes, target, 10, QString(), QString(),
                      QStringLiteral("open"), nullptr);
        button->ResetLook();
    };
    for (ImageButton* tool : {d.abIS, d.abIStools, d.abISX})
        connect(tool, &QAbstractButton::clicked, this,
                [openLink, tool] { openLink(tool, tool->caption()); });
    connect(d.LBLCieName, &QAbstractButton::clicked, this,
            [openLink, this] { openLink(m_parts->LBLCieName, kAuthorSite); });
    connect(d.LBLcopyRight, &QAbstractButton::clicked, this, [openLink, this] {
        const Parts& p = *m_parts;
        const QString subject = QStringLiteral("About ") + p.LBLappname->text() + QLatin1Char(' ') +
                                p.LBLversion->text();
        // mailto addresses carry their fields percent-encoded (RFC 6068).
        const QString link = QStringLiteral("mailto:") +
                             QString::fromLatin1(QUrl::toPercentEncoding(kAuthorMail, "@")) +
                             QStringLiteral("?subject=") +
                             QString::fromLatin1(QUrl::toPercentEncoding(subject));
        openLink(p.LBLcopyRight, link);
    });

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

    if (watched == d.Image1 && mouseEvent) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const bool wasRunning = d.Timer1->isActive();
        if (isPress(event))
            d.animation.mouseDown(animationButton(me->button()));
        else if (type == QEvent::MouseButtonRelease)
            d.animation.mouseUp(animationButton(me->button()));
        else
            return true;
        d.Image1->move(0, d.animation.imageTop());
        // A running timer restarts its countdown when its interval is set, so
        // it is touched only when the animation pauses, steps or resumes.
        if (d.animation.running() != wasRunning || !wasRunning) {
            d.Timer1->setInterval(d.animation.interval());
            if (d.animation.running())
                d.Timer1->start();
            else
                d.Timer1->stop();
        }
        return true;
    }

    if (watched == d.LBLexit) {
        if (type == QEvent::Enter) {
            d.LBLtop->show();
            d.LBLdown->show();
            d.LBLexit->raise();
            return false;
        }
        if (!mouseEvent)
            return false;
        const auto* me = static_cast<QMouseEvent*>(event);
        if (isPress(event)) {
            d.LBLtop->setColor(Qt::black);
            d.LBLdown->setColor(Qt::white);
            // An absolute place, so that a double click cannot make the mark drift.
            d.LBLexit->move(d.exitRest + QPoint(1, 1));
        } else if (type == QEvent::MouseButtonRelease) {
            d.LBLtop->setColor(Qt::white);
            d.LBLdown->setColor(Qt::black);
            d.LBLexit->move(d.exitRest);
            if (me->button() == Qt::LeftButton &&
                d.LBLexit->rect().contains(me->position().toPoint()))
                accept();
        }
        return true;
    }

    if (watched == d.background && mouseEvent) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const QPoint pos = me->position().toPoint();
        // Events that a control let through are not the background's.
        const bool overBackground = d.background->childAt(pos) == nullptr;
        if (isPress(event)) {
            if (overBackground) {
                d.dragOrigin = pos;
                d.backgroundHeld = true;
            }
        } else if (type == QEvent::MouseButtonRelease) {
            if (me->buttons() == Qt::NoButton)
                d.backgroundHeld = false;
        } else if (type == QEvent::MouseMove) {
            if (overBackground || d.backgroundHeld) {
                d.LBLtop->hide();
                d.LBLdown->hide();
            }
            if (d.backgroundHeld && me->buttons() == Qt::LeftButton) {
                move(this->pos() + (pos - d.dragOrigin));
                raise();
            }
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FRMabout::paintEvent(QPaintEvent*) {
    // The classic raised window frame, three pixels deep.
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    paintBevel(p, size(), pal.color(QPalette::Midlight), pal.color(QPalette::Shadow),
               pal.color(QPalette::Light), pal.color(QPalette::Dark));
}

} // namespace tembrix
