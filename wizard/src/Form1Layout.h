#pragma once

// The widgets of Form1 as the window's design places them, and the one
// builder that creates them with their start texts and states.

#include <QHash>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QObject;
class QWidget;

namespace tembrix {

class ImageButton;

/// The pages in the order the wizard walks them; a page's number is the index
/// of its frame.
enum class Page { Welcome, SetupList, Output, Options, Final };
inline constexpr int kTwipsPerPixel = 15;

constexpr int pageNumber(Page page) {
    return static_cast<int>(page);
}
inline constexpr int kPageCount = pageNumber(Page::Final) + 1;

/// The controls that the handlers use by type. Every member is filled by the
/// builder from the window's control table, never listed by hand.
struct Form1Widgets {
    std::array<QGroupBox*, kPageCount> frame{};

    ImageButton* BTend = nullptr;
    ImageButton* BTnext = nullptr;
    ImageButton* BTlast = nullptr;
    ImageButton* BTcancel = nullptr;
    ImageButton* BThelp = nullptr;
    QListWidget* FileLNG = nullptr;

    QLabel* Picture1 = nullptr;
    ImageButton* abTranslate = nullptr;
    ImageButton* abSite = nullptr;
    ImageButton* LBLmail = nullptr;

    ImageButton* abRestart = nullptr;
    ImageButton* abEdit = nullptr;
    ImageButton* abOpenISS = nullptr;
    ImageButton* abCompile = nullptr;
    QPlainTextEdit* txtReport = nullptr;

    QLineEdit* txtFileAdd = nullptr;
    ImageButton* cmdChooseAdd = nullptr;
    ImageButton* cmdEditAdd = nullptr;
    QCheckBox* chkFileAdd = nullptr;
    QCheckBox* chkVbDLL = nullptr;
    QCheckBox* chkInno6 = nullptr;
    QLineEdit* txtOption = nullptr;
    ImageButton* cmdOption = nullptr;
    ImageButton* cmdEdit = nullptr;
    QLineEdit* txtVersion = nullptr;

    QLineEdit* txtISS = nullptr;
    ImageButton* cmdChooseISS = nullptr;
    QLineEdit* txtOutputDir = nullptr;
    QLineEdit* txtOuputExe = nullptr;
    ImageButton* cmdExeName = nullptr;

    QLineEdit* txtLST = nullptr;
    ImageButton* cmdChooseLST = nullptr;
    QLineEdit* txtPath = nullptr;
    QCheckBox* chkAbsPath = nullptr;

    QMenu* MNlangue = nullptr;
    std::vector<QAction*> MNlangueChoice; ///< entry 0 from the start, more added by the menu build
    QAction* MNlangueSep = nullptr;
    QAction* MNlangueOther = nullptr;

    /// Every control of the design by key: "name" or "name(index)".
    QHash<QString, QObject*> byKey;

    QObject* find(const QString& name, int index) const;
    QGroupBox* page(Page page) const { return frame[std::size_t(pageNumber(page))]; }
};

/// The key under which `byKey` holds a control; `index` -1 for a single control.
QString controlKey(const QString& name, int index);

/// The key of every row of the control table, in the table's order.
std::vector<QString> designControlKeys();

/// Creates every control of the window on `window` at its design place, with
/// its objectName, index, built-in texts, pictures, start state and tab order.
/// The window's own title, icon and size are set too.
Form1Widgets buildForm1Widgets(QWidget* window);

/// The rectangle of every page frame, in pixels of the client area.
QRect pageRectangle();

/// Places the final page's buttons: four in a row with the compile button,
/// the classic three without it.
void placeFinalButtons(const Form1Widgets& widgets, bool withCompile);

/// Adds language entry `index` to the menu, after the last entry, before the separator.
QAction* addLanguageEntry(Form1Widgets& widgets, int index);

} // namespace tembrix
