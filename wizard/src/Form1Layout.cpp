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
#include <QPlainTextEdit>

#include <algorithm>
#include <optional>
#include <type_traits>

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
    ReportBox, // read-only, scrolled, wrapped
    CheckBox,
    PictureBox,
    FileList,
    Menu,      // the language menu, a popup of the window
    MenuEntry, // an entry of the menu above it in the table
    MenuSeparator,
};

struct Twips {
    int left, top, width, height;
};

using W = Form1Widgets;
using Binder = void (*)(Form1Widgets&, QObject*, int index);

// Fills the typed member `Member` with a control: a pointer, a slot of an
// array (by the control's index) or the next entry of a list.
template <auto Member> void bind(Form1Widgets& widgets, QObject* control, int index) {
    auto& slot = widgets.*Member;
    using Slot = std::remove_reference_t<decltype(slot)>;
    if constexpr (std::is_pointer_v<Slot>) {
        slot = qobject_cast<Slot>(control);
    } else if constexpr (requires { slot.push_back(nullptr); }) {
        slot.push_back(qobject_cast<typename Slot::value_type>(control));
    } else {
        slot[std::size_t(index)] = qobject_cast<typename Slot::value_type>(control);
    }
}

constexpr std::optional<Page> kOnWindow = std::nullopt;
constexpr int kNoTab = -1;
constexpr Twips kPageArea{60, 60, 6915, 4215};
constexpr Twips kNoPlace{0, 0, 0, 0};
// The final page's row of large buttons: four places, or the classic three
// (the outer two and the middle one) when there is nothing to compile with.
constexpr Twips kFinalButtons[] = {{120, 3000, 1335, 975},
                                   {1880, 3000, 1335, 975},
                                   {3640, 3000, 1335, 975},
                                   {5400, 3000, 1335, 975}};
constexpr Twips kClassicMiddleButton{2895, 3000, 1335, 975};

// One row per control of the window, in the order the controls are created.
// Its texts are joined from the localisation's text table by name and index,
// so a new control is a row here plus its texts there, and a typed member of
// Form1Widgets only when a handler needs one.
struct ControlRow {
    const char* name;
    int index; // in its control array, or -1 for a single control
    Kind kind;
    std::optional<Page> page;      // the frame it stands on, or the window itself
    Twips place;                   // in twips, relative to its frame on a page
    int tab;                       // its place in the tab order, or kNoTab
    Binder binder = nullptr;       // the typed member it fills, if any
    const char* picture = nullptr; // the button's artwork
};

// clang-format off
constexpr ControlRow kControls[] = {
    {"BThelp", -1, Kind::PushButton, kOnWindow, {60, 4395, 1080, 315}, 12, bind<&W::BThelp>},
    {"BTcancel", -1, Kind::PushButton, kOnWindow, {1920, 4395, 1080, 315}, 11, bind<&W::BTcancel>},
    {"BTlast", -1, Kind::PushButton, kOnWindow, {3300, 4395, 1080, 315}, 10, bind<&W::BTlast>},
    {"BTnext", -1, Kind::PushButton, kOnWindow, {4440, 4395, 1080, 315}, 9, bind<&W::BTnext>},
    {"BTend", -1, Kind::PushButton, kOnWindow, {5880, 4395, 1080, 315}, 8, bind<&W::BTend>},
    {"FileLNG", -1, Kind::FileList, kOnWindow, {60, 5220, 2175, 870}, 13, bind<&W::FileLNG>},
    {"frame", 0, Kind::Frame, kOnWindow, kPageArea, kNoTab, bind<&W::frame>},
    {"frame", 1, Kind::Frame, kOnWindow, kPageArea, kNoTab, bind<&W::frame>},
    {"frame", 2, Kind::Frame, kOnWindow, kPageArea, kNoTab, bind<&W::frame>},
    {"frame", 3, Kind::Frame, kOnWindow, kPageArea, kNoTab, bind<&W::frame>},
    {"frame", 4, Kind::Frame, kOnWindow, kPageArea, kNoTab, bind<&W::frame>},

    {"Picture1", -1, Kind::PictureBox, Page::Welcome, {180, 300, 1980, 3666}, 14, bind<&W::Picture1>},
    {"lblStep01", 0, Kind::Label, Page::Welcome, {2280, 300, 4515, 255}, kNoTab},
    {"lblStep01", 1, Kind::Label, Page::Welcome, {2280, 660, 4515, 255}, kNoTab},
    {"lblStep01", 2, Kind::Label, Page::Welcome, {2280, 1020, 4515, 255}, kNoTab},
    {"lblStep01", 3, Kind::Label, Page::Welcome, {2280, 1380, 4515, 255}, kNoTab},
    {"lblStep01", 4, Kind::Label, Page::Welcome, {2280, 1740, 4515, 255}, kNoTab},
    {"lblStep01", 5, Kind::Label, Page::Welcome, {2280, 2100, 4515, 255}, kNoTab},
    {"lblStep01", 6, Kind::Label, Page::Welcome, {2280, 2640, 4515, 255}, kNoTab},
    {"abSite", -1, Kind::LinkButton, Page::Welcome, {3420, 3000, 2175, 375}, 6, bind<&W::abSite>},
    {"abTranslate", -1, Kind::CaptionButton, Page::Welcome, {2220, 3600, 1455, 375}, 5, bind<&W::abTranslate>, "translate"},
    {"LBLmail", -1, Kind::LinkButton, Page::Welcome, {5100, 3600, 1695, 375}, 7, bind<&W::LBLmail>},

    {"lblStep02", 0, Kind::Label, Page::SetupList, {120, 660, 6675, 255}, kNoTab},
    {"lblStep02", 1, Kind::Label, Page::SetupList, {120, 1080, 6675, 255}, kNoTab},
    {"lblStep02", 2, Kind::Label, Page::SetupList, {120, 1500, 6675, 255}, kNoTab},
    {"lblStep02", 3, Kind::Label, Page::SetupList, {120, 1920, 6675, 255}, kNoTab},
    {"Label1", -1, Kind::AutoSizeLabel, Page::SetupList, {180, 2700, 1335, 195}, kNoTab},
    {"txtLST", -1, Kind::TextBox, Page::SetupList, {180, 3000, 5835, 315}, 0, bind<&W::txtLST>},
    {"cmdChooseLST", -1, Kind::PictureButton, Page::SetupList, {6120, 3000, 435, 315}, 17, bind<&W::cmdChooseLST>, "open"},
    {"chkAbsPath", -1, Kind::CheckBox, Page::SetupList, {180, 3420, 4455, 255}, 27, bind<&W::chkAbsPath>},
    {"txtPath", -1, Kind::TextBox, Page::SetupList, {180, 3720, 5835, 315}, 26, bind<&W::txtPath>},

    {"lblStep03", 0, Kind::Label, Page::Output, {120, 300, 6675, 255}, kNoTab},
    {"lblStep03", 1, Kind::Label, Page::Output, {120, 660, 6675, 255}, kNoTab},
    {"lblStep03", 2, Kind::Label, Page::Output, {120, 1020, 6675, 255}, kNoTab},
    {"lblStep03", 3, Kind::Label, Page::Output, {120, 1380, 6675, 255}, kNoTab},
    {"Label3", -1, Kind::AutoSizeLabel, Page::Output, {180, 2760, 2760, 195}, kNoTab},
    {"txtISS", -1, Kind::TextBox, Page::Output, {180, 3000, 5835, 315}, 1, bind<&W::txtISS>},
    {"cmdChooseISS", -1, Kind::PictureButton, Page::Output, {6120, 3000, 435, 315}, 16, bind<&W::cmdChooseISS>, "open"},
    {"Label6", -1, Kind::AutoSizeLabel, Page::Output, {180, 3480, 3660, 195}, kNoTab},
    {"Label7", -1, Kind::AutoSizeLabel, Page::Output, {4080, 3480, 1440, 195}, kNoTab},
    {"txtOutputDir", -1, Kind::TextBox, Page::Output, {180, 3720, 3795, 315}, 18, bind<&W::txtOutputDir>},
    {"txtOuputExe", -1, Kind::TextBox, Page::Output, {4020, 3720, 1995, 315}, 19, bind<&W::txtOuputExe>},
    {"cmdExeName", -1, Kind::PictureButton, Page::Output, {6120, 3720, 435, 315}, 20, bind<&W::cmdExeName>, "open"},

    {"lblStep04", 0, Kind::Label, Page::Options, {120, 300, 6675, 255}, kNoTab},
    {"lblStep04", 1, Kind::Label, Page::Options, {120, 720, 6675, 255}, kNoTab},
    {"lblStep04", 2, Kind::Label, Page::Options, {120, 1140, 6675, 255}, kNoTab},
    {"lblStep04", 3, Kind::Label, Page::Options, {120, 1560, 6675, 255}, kNoTab},
    {"Label4", -1, Kind::AutoSizeLabel, Page::Options, {120, 2220, 2430, 195}, kNoTab},
    {"txtVersion", -1, Kind::TextBox, Page::Options, {2700, 2160, 855, 315}, 3, bind<&W::txtVersion>},
    {"chkVbDLL", -1, Kind::CheckBox, Page::Options, {3120, 2640, 2595, 255}, 4, bind<&W::chkVbDLL>},
    {"Label5", -1, Kind::AutoSizeLabel, Page::Options, {180, 2700, 2190, 195}, kNoTab},
    {"txtOption", -1, Kind::TextBox, Page::Options, {120, 3000, 5595, 315}, 2, bind<&W::txtOption>},
    {"cmdOption", -1, Kind::PictureButton, Page::Options, {5820, 3000, 435, 315}, 15, bind<&W::cmdOption>, "open"},
    {"cmdEdit", -1, Kind::PictureButton, Page::Options, {6360, 3000, 435, 315}, 21, bind<&W::cmdEdit>, "edit"},
    {"chkFileAdd", -1, Kind::CheckBox, Page::Options, {120, 3420, 2235, 255}, 22, bind<&W::chkFileAdd>},
    {"txtFileAdd", -1, Kind::TextBox, Page::Options, {120, 3720, 5595, 315}, 23, bind<&W::txtFileAdd>},
    {"cmdChooseAdd", -1, Kind::PictureButton, Page::Options, {5820, 3720, 435, 315}, 24, bind<&W::cmdChooseAdd>, "open"},
    {"cmdEditAdd", -1, Kind::PictureButton, Page::Options, {6360, 3720, 435, 315}, 25, bind<&W::cmdEditAdd>, "edit"},
    {"chkInno6", -1, Kind::CheckBox, Page::Options, {3120, 3420, 2595, 255}, 31, bind<&W::chkInno6>},

    // The texts sit closer than on the other pages to leave the report room
    // for four or five lines between them and the buttons.
    {"lblStep05", 0, Kind::Label, Page::Final, {120, 300, 6615, 255}, kNoTab},
    {"lblStep05", 1, Kind::Label, Page::Final, {120, 600, 6615, 255}, kNoTab},
    {"lblStep05", 2, Kind::Label, Page::Final, {120, 900, 6615, 255}, kNoTab},
    {"lblStep05", 3, Kind::Label, Page::Final, {120, 1200, 6615, 255}, kNoTab},
    {"lblStep05", 4, Kind::Label, Page::Final, {120, 1500, 6615, 255}, kNoTab},
    {"txtReport", -1, Kind::ReportBox, Page::Final, {120, 1830, 6615, 1110}, 33, bind<&W::txtReport>},
    {"abRestart", -1, Kind::LargeButton, Page::Final, kFinalButtons[0], 28, bind<&W::abRestart>, "restart"},
    {"abOpenISS", -1, Kind::LargeButton, Page::Final, kClassicMiddleButton, 30, bind<&W::abOpenISS>, "openiss"},
    {"abCompile", -1, Kind::LargeButton, Page::Final, kFinalButtons[2], 32, bind<&W::abCompile>, "compile"},
    {"abEdit", -1, Kind::LargeButton, Page::Final, kFinalButtons[3], 29, bind<&W::abEdit>, "editscript"},

    {"MNlangue", -1, Kind::Menu, kOnWindow, kNoPlace, kNoTab, bind<&W::MNlangue>},
    {"MNlangueChoice", 0, Kind::MenuEntry, kOnWindow, kNoPlace, kNoTab, bind<&W::MNlangueChoice>},
    {"MNlangueSep", -1, Kind::MenuSeparator, kOnWindow, kNoPlace, kNoTab, bind<&W::MNlangueSep>},
    {"MNlangueOther", -1, Kind::MenuEntry, kOnWindow, kNoPlace, kNoTab, bind<&W::MNlangueOther>},
};
// clang-format on

constexpr int kFrameInnerMargin = 4;
constexpr int kClientWidth = 7125;
constexpr int kClientHeight = 4785;

QRect pixels(const Twips& place) {
    return QRect(place.left / kTwipsPerPixel, place.top / kTwipsPerPixel,
                 place.width / kTwipsPerPixel, place.height / kTwipsPerPixel);
}

QString rowName(const ControlRow& row) {
    return QLatin1String(row.name);
}

void setPictures(ImageButton* button, const char* name) {
    const ButtonPictures pictures = buttonPictures(QLatin1String(name));
    button->setPictures(pictures.rest, pictures.over, pictures.down);
}

// Creates the control of `row` on `parent`; menu entries go into `menu`.
QObject* createControl(const ControlRow& row, QWidget* parent, QMenu* menu) {
    switch (row.kind) {
    case Kind::Frame:
        return new QGroupBox(parent);
    case Kind::PushButton: {
        auto* button = new ImageButton(parent);
        button->applyPushStyle();
        return button;
    }
    case Kind::PictureButton: {
        auto* button = new ImageButton(parent);
        const ButtonPictures pictures = buttonPictures(QLatin1String(row.picture));
        button->applyPictureStyle(pictures.rest, pictures.over, pictures.down);
        return button;
    }
    case Kind::CaptionButton:
    case Kind::LargeButton: {
        auto* button = new ImageButton(parent);
        button->applyPushStyle();
        setPictures(button, row.picture);
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
        label->setProperty("tembrixAutoSize", row.kind == Kind::AutoSizeLabel);
        return label;
    }
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::ReportBox: {
        auto* report = new QPlainTextEdit(parent);
        report->setReadOnly(true);
        report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        report->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        report->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return report;
    }
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
    case Kind::Menu: {
        auto* created = new QMenu(parent);
        created->setFont(parent->font()); // a popup does not inherit its window's font
        return created;
    }
    case Kind::MenuEntry: {
        auto* entry = new QAction(menu);
        menu->addAction(entry);
        return entry;
    }
    case Kind::MenuSeparator:
        return menu->addSeparator();
    }
    return nullptr;
}

bool isMenuPart(Kind kind) {
    return kind == Kind::Menu || kind == Kind::MenuEntry || kind == Kind::MenuSeparator;
}

void nameControl(QObject* control, const QString& name, int index) {
    control->setObjectName(name);
    if (index >= 0)
        control->setProperty("tembrixIndex", index);
}

void applyBuiltinTexts(QWidget* window, const Form1Widgets& w) {
    window->setWindowTitle(
        QString::fromUtf8(form1BuiltinTitle().data(), qsizetype(form1BuiltinTitle().size())));
    for (const ControlText& row : form1Controls()) {
        QObject* control =
            w.find(QString::fromUtf8(row.name.data(), qsizetype(row.name.size())), row.index);
        if (!control)
            continue;
        if (row.hasCaption)
            setControlCaption(control,
                              QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size())));
        if (auto* widget = qobject_cast<QWidget*>(control); widget && row.hasToolTip)
            widget->setToolTip(
                QString::fromUtf8(row.toolTip.data(), qsizetype(row.toolTip.size())));
    }
}

void applyStartStates(const Form1Widgets& w) {
    w.chkVbDLL->setChecked(true);
    w.txtPath->setVisible(false);
    w.txtFileAdd->setVisible(false);
    w.cmdChooseAdd->setVisible(false);
    w.cmdEditAdd->setVisible(false);
    w.abCompile->setVisible(false);
    w.txtReport->setVisible(false);
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
    std::vector<const ControlRow*> chain;
    for (const ControlRow& row : kControls)
        if (row.tab != kNoTab)
            chain.push_back(&row);
    std::ranges::sort(chain, {}, &ControlRow::tab);
    QWidget* previous = nullptr;
    for (const ControlRow* row : chain) {
        auto* widget = qobject_cast<QWidget*>(w.find(rowName(*row), row->index));
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

std::vector<QString> designControlKeys() {
    std::vector<QString> keys;
    for (const ControlRow& row : kControls)
        keys.push_back(controlKey(rowName(row), row.index));
    return keys;
}

QRect pageRectangle() {
    return pixels(kPageArea);
}

Form1Widgets buildForm1Widgets(QWidget* window) {
    // Every text of the window uses the image button's face and size, the
    // stand-in for the classic 8 pt dialog font.
    ensureArtwork();
    window->setFont(ImageButton::defaultFont());

    Form1Widgets w;
    QMenu* menu = nullptr;
    for (const ControlRow& row : kControls) {
        QWidget* parent = window;
        if (row.page)
            parent = w.frame[std::size_t(pageNumber(*row.page))];
        QObject* control = createControl(row, parent, menu);
        nameControl(control, rowName(row), row.index);
        w.byKey.insert(controlKey(rowName(row), row.index), control);
        if (row.binder)
            row.binder(w, control, row.index);
        if (row.kind == Kind::Menu)
            menu = qobject_cast<QMenu*>(control);
        if (isMenuPart(row.kind))
            continue;
        QRect geometry = pixels(row.place);
        // One-line page texts may run to the frame's inner edge: the classic
        // font's metric twin is a pixel or two wider on the longest lines.
        if (row.kind == Kind::Label)
            geometry.setRight(pageRectangle().width() - kFrameInnerMargin - 1);
        static_cast<QWidget*>(control)->setGeometry(geometry);
    }
    applyBuiltinTexts(window, w);
    applyStartStates(w);
    applyTabOrder(w);

    window->setWindowIcon(QIcon(QStringLiteral(":/tembrix/icon/tembrix.png")));
    window->setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    return w;
}

void placeFinalButtons(const Form1Widgets& w, bool withCompile) {
    w.abOpenISS->setGeometry(pixels(withCompile ? kFinalButtons[1] : kClassicMiddleButton));
    w.abCompile->setVisible(withCompile);
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
