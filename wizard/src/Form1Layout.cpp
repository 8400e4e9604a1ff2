#include "Form1Layout.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>

#include "Form1Texts.h"
#include "tembrix/localisation/Form1Controls.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/resources/Artwork.h"

namespace tembrix {

namespace {

enum class Kind {
    Frame,
    PushButton,    // the bottom row
    PictureButton, // small, picture only, beside a text box
    CaptionButton, // picture beside the caption (abTranslate)
    LargeButton,   // picture above the caption (final page)
    LinkButton,    // text only, underlined
    Label,
    AutoSizeLabel,
    TextBox,
    CheckBox,
    PictureBox,
    FileList,
};

constexpr int kWindow = -1;

struct Placement {
    const char* name;
    int index;
    Kind kind;
    int page;                     // frame index, or kWindow
    int left, top, width, height; // twips
    const char* picture = nullptr;
};

// The design of the window, in twips; controls on a page are placed relative to their frame.
constexpr Placement kPlacements[] = {
    {"BThelp", -1, Kind::PushButton, kWindow, 60, 4395, 1080, 315},
    {"BTcancel", -1, Kind::PushButton, kWindow, 1920, 4395, 1080, 315},
    {"BTlast", -1, Kind::PushButton, kWindow, 3300, 4395, 1080, 315},
    {"BTnext", -1, Kind::PushButton, kWindow, 4440, 4395, 1080, 315},
    {"BTend", -1, Kind::PushButton, kWindow, 5880, 4395, 1080, 315},
    {"FileLNG", -1, Kind::FileList, kWindow, 60, 5220, 2175, 870},
    {"frame", 0, Kind::Frame, kWindow, 60, 60, 6915, 4215},
    {"frame", 1, Kind::Frame, kWindow, 60, 60, 6915, 4215},
    {"frame", 2, Kind::Frame, kWindow, 60, 60, 6915, 4215},
    {"frame", 3, Kind::Frame, kWindow, 60, 60, 6915, 4215},
    {"frame", 4, Kind::Frame, kWindow, 60, 60, 6915, 4215},

    {"Picture1", -1, Kind::PictureBox, 0, 180, 300, 1980, 3666},
    {"lblStep01", 0, Kind::Label, 0, 2280, 300, 4515, 255},
    {"lblStep01", 1, Kind::Label, 0, 2280, 660, 4515, 255},
    {"lblStep01", 2, Kind::Label, 0, 2280, 1020, 4515, 255},
    {"lblStep01", 3, Kind::Label, 0, 2280, 1380, 4515, 255},
    {"lblStep01", 4, Kind::Label, 0, 2280, 1740, 4515, 255},
    {"lblStep01", 5, Kind::Label, 0, 2280, 2100, 4515, 255},
    {"lblStep01", 6, Kind::Label, 0, 2280, 2640, 4515, 255},
    {"abSite", -1, Kind::LinkButton, 0, 3420, 3000, 2175, 375},
    {"abTranslate", -1, Kind::CaptionButton, 0, 2220, 3600, 1455, 375, "translate"},
    {"LBLmail", -1, Kind::LinkButton, 0, 5100, 3600, 1695, 375},

    {"lblStep02", 0, Kind::Label, 1, 120, 660, 6675, 255},
    {"lblStep02", 1, Kind::Label, 1, 120, 1080, 6675, 255},
    {"lblStep02", 2, Kind::Label, 1, 120, 1500, 6675, 255},
    {"lblStep02", 3, Kind::Label, 1, 120, 1920, 6675, 255},
    {"Label1", -1, Kind::AutoSizeLabel, 1, 180, 2700, 1335, 195},
    {"txtLST", -1, Kind::TextBox, 1, 180, 3000, 5835, 315},
    {"cmdChooseLST", -1, Kind::PictureButton, 1, 6120, 3000, 435, 315, "open"},
    {"chkAbsPath", -1, Kind::CheckBox, 1, 180, 3420, 4455, 255},
    {"txtPath", -1, Kind::TextBox, 1, 180, 3720, 5835, 315},

    {"lblStep03", 0, Kind::Label, 2, 120, 300, 6675, 255},
    {"lblStep03", 1, Kind::Label, 2, 120, 660, 6675, 255},
    {"lblStep03", 2, Kind::Label, 2, 120, 1020, 6675, 255},
    {"lblStep03", 3, Kind::Label, 2, 120, 1380, 6675, 255},
    {"Label3", -1, Kind::AutoSizeLabel, 2, 180, 2760, 2760, 195},
    {"txtISS", -1, Kind::TextBox, 2, 180, 3000, 5835, 315},
    {"cmdChooseISS", -1, Kind::PictureButton, 2, 6120, 3000, 435, 315, "open"},
    {"Label6", -1, Kind::AutoSizeLabel, 2, 180, 3480, 3660, 195},
    {"Label7", -1, Kind::AutoSizeLabel, 2, 4080, 3480, 1440, 195},
    {"txtOutputDir", -1, Kind::TextBox, 2, 180, 3720, 3795, 315},
    {"txtOuputExe", -1, Kind::TextBox, 2, 4020, 3720, 1995, 315},
    {"cmdExeName", -1, Kind::PictureButton, 2, 6120, 3720, 435, 315, "open"},

    {"lblStep04", 0, Kind::Label, 3, 120, 300, 6675, 255},
    {"lblStep04", 1, Kind::Label, 3, 120, 720, 6675, 255},
    {"lblStep04", 2, Kind::Label, 3, 120, 1140, 6675, 255},
    {"lblStep04", 3, Kind::Label, 3, 120, 1560, 6675, 255},
    {"Label4", -1, Kind::AutoSizeLabel, 3, 120, 2220, 2430, 195},
    {"txtVersion", -1, Kind::TextBox, 3, 2700, 2160, 855, 315},
    {"chkVbDLL", -1, Kind::CheckBox, 3, 3120, 2640, 2595, 255},
    {"Label5", -1, Kind::AutoSizeLabel, 3, 180, 2700, 2190, 195},
    {"txtOption", -1, Kind::TextBox, 3, 120, 3000, 5595, 315},
    {"cmdOption", -1, Kind::PictureButton, 3, 5820, 3000, 435, 315, "open"},
    {"cmdEdit", -1, Kind::PictureButton, 3, 6360, 3000, 435, 315, "edit"},
    {"chkFileAdd", -1, Kind::CheckBox, 3, 120, 3420, 2235, 255},
    {"txtFileAdd", -1, Kind::TextBox, 3, 120, 3720, 5595, 315},
    {"cmdChooseAdd", -1, Kind::PictureButton, 3, 5820, 3720, 435, 315, "open"},
    {"cmdEditAdd", -1, Kind::PictureButton, 3, 6360, 3720, 435, 315, "edit"},

    {"lblStep05", 0, Kind::Label, 4, 120, 480, 6615, 255},
    {"lblStep05", 1, Kind::Label, 4, 120, 840, 6615, 255},
    {"lblStep05", 2, Kind::Label, 4, 120, 1200, 6615, 255},
    {"lblStep05", 3, Kind::Label, 4, 120, 1560, 6615, 255},
    {"lblStep05", 4, Kind::Label, 4, 120, 1920, 6615, 255},
    {"abRestart", -1, Kind::LargeButton, 4, 120, 3000, 1335, 975, "restart"},
    {"abOpenISS", -1, Kind::LargeButton, 4, 2895, 3000, 1335, 975, "openiss"},
    {"abEdit", -1, Kind::LargeButton, 4, 5400, 3000, 1335, 975, "editscript"},
};

// Controls that can take the focus, in the design's tab order.
constexpr const char* kTabOrder[] = {
    "txtLST",       "txtISS",      "txtOption",  "txtVersion", "chkVbDLL",     "abTranslate",
    "abSite",       "LBLmail",     "BTend",      "BTnext",     "BTlast",       "BTcancel",
    "BThelp",       "FileLNG",     "Picture1",   "cmdOption",  "cmdChooseISS", "cmdChooseLST",
    "txtOutputDir", "txtOuputExe", "cmdExeName", "cmdEdit",    "chkFileAdd",   "txtFileAdd",
    "cmdChooseAdd", "cmdEditAdd",  "txtPath",    "chkAbsPath", "abRestart",    "abEdit",
    "abOpenISS",
};

constexpr int kFrameInnerMargin = 4;
constexpr int kClientWidth = 7125;
constexpr int kClientHeight = 4785;

QRect pixels(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

void setPictures(ImageButton* button, const char* name) {
    const ButtonPictures pictures = buttonPictures(QLatin1String(name));
    button->setPictures(pictures.rest, pictures.over, pictures.down);
}

QWidget* createControl(const Placement& place, QWidget* parent) {
    switch (place.kind) {
    case Kind::Frame:
        return new QGroupBox(parent);
    case Kind::PushButton: {
        auto* button = new ImageButton(parent);
        button->applyPushStyle();
        return button;
    }
    case Kind::PictureButton: {
        auto* button = new ImageButton(parent);
        const ButtonPictures pictures = buttonPictures(QLatin1String(place.picture));
        button->applyPictureStyle(pictures.rest, pictures.over, pictures.down);
        return button;
    }
    case Kind::CaptionButton:
    case Kind::LargeButton: {
        auto* button = new ImageButton(parent);
        button->applyPushStyle();
        setPictures(button, place.picture);
        return button;
    }
    case Kind::LinkButton: {
        auto* button = new ImageButton(parent);
        button->applyLinkStyle(true);
        return button;
    }
    case Kind::Label:
    case Kind::AutoSizeLabel: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setProperty("tembrixAutoSize", place.kind == Kind::AutoSizeLabel);
        return label;
    }
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::CheckBox:
        return new QCheckBox(parent);
    case Kind::PictureBox: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(QPixmap(QStringLiteral(":/tembrix/picture/welcome.png")));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFrameShape(QFrame::Panel);
        picture->setFrameShadow(QFrame::Sunken);
        return picture;
    }
    case Kind::FileList:
        return new QListWidget(parent);
    }
    return nullptr;
}

template <typename T> T* as(const Form1Widgets& widgets, const char* name, int index = -1) {
    return qobject_cast<T*>(widgets.find(QLatin1String(name), index));
}

void assignMembers(Form1Widgets& w) {
    for (int i = 0; i < kPageCount; ++i)
        w.frame[std::size_t(i)] = as<QGroupBox>(w, "frame", i);
    w.BTend = as<ImageButton>(w, "BTend");
    w.BTnext = as<ImageButton>(w, "BTnext");
    w.BTlast = as<ImageButton>(w, "BTlast");
    w.BTcancel = as<ImageButton>(w, "BTcancel");
    w.BThelp = as<ImageButton>(w, "BThelp");
    w.FileLNG = as<QListWidget>(w, "FileLNG");
    w.Picture1 = as<QLabel>(w, "Picture1");
    w.abTranslate = as<ImageButton>(w, "abTranslate");
    w.abSite = as<ImageButton>(w, "abSite");
    w.LBLmail = as<ImageButton>(w, "LBLmail");
    w.abRestart = as<ImageButton>(w, "abRestart");
    w.abEdit = as<ImageButton>(w, "abEdit");
    w.abOpenISS = as<ImageButton>(w, "abOpenISS");
    w.txtFileAdd = as<QLineEdit>(w, "txtFileAdd");
    w.cmdChooseAdd = as<ImageButton>(w, "cmdChooseAdd");
    w.cmdEditAdd = as<ImageButton>(w, "cmdEditAdd");
    w.chkFileAdd = as<QCheckBox>(w, "chkFileAdd");
    w.chkVbDLL = as<QCheckBox>(w, "chkVbDLL");
    w.txtOption = as<QLineEdit>(w, "txtOption");
    w.cmdOption = as<ImageButton>(w, "cmdOption");
    w.cmdEdit = as<ImageButton>(w, "cmdEdit");
    w.txtVersion = as<QLineEdit>(w, "txtVersion");
    w.txtISS = as<QLineEdit>(w, "txtISS");
    w.cmdChooseISS = as<ImageButton>(w, "cmdChooseISS");
    w.txtOutputDir = as<QLineEdit>(w, "txtOutputDir");
    w.txtOuputExe = as<QLineEdit>(w, "txtOuputExe");
    w.cmdExeName = as<ImageButton>(w, "cmdExeName");
    w.txtLST = as<QLineEdit>(w, "txtLST");
    w.cmdChooseLST = as<ImageButton>(w, "cmdChooseLST");
    w.txtPath = as<QLineEdit>(w, "txtPath");
    w.chkAbsPath = as<QCheckBox>(w, "chkAbsPath");
}

void nameControl(QObject* control, const QString& name, int index) {
    control->setObjectName(name);
    if (index >= 0)
        control->setProperty("tembrixIndex", index);
}

void buildLanguageMenu(QWidget* window, Form1Widgets& w) {
    w.MNlangue = new QMenu(window);
    w.MNlangue->setFont(window->font()); // a popup does not inherit its window's font
    nameControl(w.MNlangue, QStringLiteral("MNlangue"), -1);
    w.byKey.insert(controlKey(QStringLiteral("MNlangue"), -1), w.MNlangue);

    auto* first = new QAction(w.MNlangue);
    nameControl(first, QStringLiteral("MNlangueChoice"), 0);
    w.MNlangue->addAction(first);
    w.MNlangueChoice.push_back(first);
    w.byKey.insert(controlKey(QStringLiteral("MNlangueChoice"), 0), first);

    w.MNlangueSep = w.MNlangue->addSeparator();
    nameControl(w.MNlangueSep, QStringLiteral("MNlangueSep"), -1);
    w.byKey.insert(controlKey(QStringLiteral("MNlangueSep"), -1), w.MNlangueSep);

    w.MNlangueOther = new QAction(w.MNlangue);
    nameControl(w.MNlangueOther, QStringLiteral("MNlangueOther"), -1);
    w.MNlangue->addAction(w.MNlangueOther);
    w.byKey.insert(controlKey(QStringLiteral("MNlangueOther"), -1), w.MNlangueOther);
}

void applyBuiltinTexts(QWidget* window, const Form1Widgets& w) {
    window->setWindowTitle(
        QString::fromUtf8(form1BuiltinTitle().data(), qsizetype(form1BuiltinTitle().size())));
    for (const ControlSpec& spec : form1Controls()) {
        QObject* control =
            w.find(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())), spec.index);
        if (!control)
            continue;
        if (spec.hasCaption)
            setControlCaption(
                control, QString::fromUtf8(spec.caption.data(), qsizetype(spec.caption.size())));
        if (auto* widget = qobject_cast<QWidget*>(control); widget && spec.hasToolTip)
            widget->setToolTip(
                QString::fromUtf8(spec.toolTip.data(), qsizetype(spec.toolTip.size())));
    }
}

void applyStartStates(const Form1Widgets& w) {
    w.BTlast->setEnabled(false);
    w.BTend->setEnabled(false);
    w.chkVbDLL->setChecked(true);
    w.txtPath->setVisible(false);
    w.txtFileAdd->setVisible(false);
    w.cmdChooseAdd->setVisible(false);
    w.cmdEditAdd->setVisible(false);
    w.LBLmail->setMouseIcon(linkCursor());

    QPalette face = w.txtPath->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    w.txtPath->setPalette(face);

    // The list only feeds the language menu; it lies below the client area
    // and must not take the focus there.
    w.FileLNG->setFocusPolicy(Qt::NoFocus);
    w.Picture1->setFocusPolicy(Qt::NoFocus);
}

void applyTabOrder(const Form1Widgets& w) {
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        auto* widget = qobject_cast<QWidget*>(w.find(QLatin1String(name), -1));
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

QString controlKey(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

QObject* Form1Widgets::find(const QString& name, int index) const {
    return byKey.value(controlKey(name, index), nullptr);
}

QRect pageRectangle() {
    return pixels(60, 60, 6915, 4215);
}

Form1Widgets buildForm1Widgets(QWidget* window) {
    // Every text of the window uses the image button's face and size, the
    // stand-in for the classic 8 pt dialog font.
    ensureArtwork();
    window->setFont(ImageButton::defaultFont());

    Form1Widgets w;
    for (const Placement& place : kPlacements) {
        QWidget* parent = window;
        if (place.page != kWindow)
            parent = qobject_cast<QWidget*>(w.find(QStringLiteral("frame"), place.page));
        QWidget* control = createControl(place, parent);
        const QString name = QLatin1String(place.name);
        nameControl(control, name, place.index);
        QRect geometry = pixels(place.left, place.top, place.width, place.height);
        // One-line page texts may run to the frame's inner edge: the classic
        // font's metric twin is a pixel or two wider on the longest lines.
        if (place.kind == Kind::Label)
            geometry.setRight(pageRectangle().width() - kFrameInnerMargin - 1);
        control->setGeometry(geometry);
        w.byKey.insert(controlKey(name, place.index), control);
    }
    assignMembers(w);
    buildLanguageMenu(window, w);
    applyBuiltinTexts(window, w);
    applyStartStates(w);
    applyTabOrder(w);

    window->setWindowIcon(QIcon(QStringLiteral(":/tembrix/icon/tembrix.png")));
    window->setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    return w;
}

QAction* addLanguageEntry(Form1Widgets& w, int index) {
    auto* entry = new QAction(w.MNlangue);
    nameControl(entry, QStringLiteral("MNlangueChoice"), index);
    w.MNlangue->insertAction(w.MNlangueSep, entry);
    w.MNlangueChoice.push_back(entry);
    w.byKey.insert(controlKey(QStringLiteral("MNlangueChoice"), index), entry);
    return entry;
}

} // namespace tembrix
