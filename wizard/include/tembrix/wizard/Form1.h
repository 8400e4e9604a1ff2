#pragma once

#include <QWidget>

#include <QHash>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/Diagnostics.h"
#include "tembrix/localisation/MODTranslate.h"
#include "tembrix/platform/Status.h"
#include "tembrix/platformqt/DesktopServices.h"
#include "tembrix/platformqt/UserFiles.h"

class QLineEdit;
class QMimeData;
class QThread;

namespace tembrix {

class AboutLauncher;
class ArchiveReader;
class FileSystem;
class RememberingFileSystem;
class ImageButton;
struct Form1Widgets;
class Form1Texts;
class QtOwnTexts;

/// The wizard window: five pages over one rectangle, the bottom row of
/// navigation buttons and the language menu. Every control is found by its
/// objectName; a control-array member carries its index in "tembrixIndex".
class Form1 : public QWidget {
    Q_OBJECT
public:
    /// Builds the file-system service at the end of start-up. Empty: the local one.
    using FileSystemFactory = std::function<std::unique_ptr<FileSystem>()>;

    /// Builds the window and runs its start-up (French export into the program
    /// folder, the saved language, the menu, the input defaults). Every pointer
    /// of `services` must be set; `services` and `about` must outlive the window.
    /// Never throws: a failing file step is skipped, as the language walks do.
    Form1(const DesktopServices& services, AboutLauncher& about,
          FileSystemFactory fileSystemFactory = {}, QWidget* parent = nullptr);
    ~Form1() override;

    /// The index of the page the wizard is on (it stays 3 on the final page).
    int currentStep() const { return m_currentStep; }
    /// The record handed to the generator at the last Finish (or being filled).
    const ConversionInputs& conversionInputs() const { return m_inputs; }
    /// The language module of the run: the current language file and messages.
    const MODTranslate& translation() const { return m_translate; }
    /// Where the shipped files lie and where the program's own files are kept.
    const FilePlaces& filePlaces() const { return m_places; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void formLoad();
    void connectHandlers();
    void acceptSetupListDrops();
    /// The setup list of a drop that the current page takes, as its path.
    std::optional<QString> droppedSetupList(const QMimeData* data) const;
    void answerDrag(QDropEvent* event) const;

    // Navigation
    void nextClicked();
    void backClicked();
    void finishClicked();
    void restartClicked();
    void aboutClicked();
    void showPage(int index, bool visible);
    /// The enabled states of Next, Back and Finish and the keyboard focus,
    /// all from the page now shown.
    void updateButtons();
    void goToPage(int step);

    // Inputs
    bool CanLeaveStep();
    void chooseSetupList();
    void chooseScript();
    void chooseInstaller();
    void chooseSetupLines();
    void chooseExtraLines();
    void editSetupLines();
    void editExtraLines();
    void chooseLinesFile(QLineEdit* pathBox, ImageButton* button);
    void editLinesFile(QLineEdit* pathBox, ImageButton* button);
    void chkAbsPath_Click();
    void chkFileAdd_Click();
    void chkVbDLL_Click();
    void chkInno6_Click();
    void txtVersion_Change();
    void deriveDefaults(const QString& setupListPath);
    void setDerived(QLineEdit* box, const QString& text);
    bool confirmReplace();
    void reportWriteFailure();
    void reportListFailure(const Status& read);
    QString linesFilter() const;
    void splitInstallerPath(const QString& installerPath);
    /// False, after saying why, when a folder cannot be written into the script.
    bool fillConversionInputs();
    std::optional<std::string> scriptFolder(const QLineEdit* box, const char* field);
    void proposeDialect();
    std::optional<QString> openDialog(const char* titleKey, const QString& filter,
                                      const QString& initialDirectory);
    std::optional<QString> saveDialog(const char* titleKey, const QString& filter);

    // Final page: the conversion's remarks and the compile
    void showFinalPage(const Diagnostics& diagnostics);
    void restoreCompilableCaption();
    void showReport();
    void compileScript();
    void compileFinished(const CompileOutcome& outcome);

    // Final page and links
    void editScript();
    void openScript();
    void openSite();
    void mailAuthor();
    bool shellOpen(const QString& target);
    void startEditor(const QString& path);

    // Language
    void BuildLanguageMenu();
    void openLanguageMenu();
    void chooseLanguage(int index);
    void showTranslatorInstructions();
    void matchQtTexts();
    QString messageText(const char* key) const;

    DesktopServices m_services;
    AboutLauncher& m_about;
    FileSystemFactory m_fileSystemFactory;
    std::unique_ptr<RememberingFileSystem> m_fileSystem;
    std::unique_ptr<ArchiveReader>
        m_archives; ///< reads the package's cabinets and compressed files
    std::unique_ptr<Form1Widgets> m_ui;
    std::unique_ptr<Form1Texts> m_texts;
    MODTranslate m_translate;
    std::unique_ptr<QtOwnTexts> m_qtTexts;
    ConversionInputs m_inputs;
    int m_currentStep = 0;
    bool m_finalShown = false;
    FilePlaces m_places;
    /// The setup list of the last derivation, and what it put in each box:
    /// a box whose text differs has been changed by the user since.
    QString m_derivedList;
    QHash<QLineEdit*, QString> m_derivedTexts;
    /// The file of each language entry, in the order of the entries.
    std::vector<QString> m_languagePaths;
    /// The final page's report: the last compile's lines, then the remarks.
    QStringList m_compileLines;
    QStringList m_remarks;
    /// The compiler found when the final page was shown; empty: none.
    QString m_compilerPath;
    /// The language's "compiles as it is" text while the warnings' text stands in for it.
    QString m_compilableCaption;
    QPointer<QThread> m_compileThread;
    /// Finds the compiler's version at start-up, for the Inno Setup 6 box's default.
    QPointer<QThread> m_versionThread;
    /// Asked when the window closes: its workers end, and the compiler with what it started.
    std::stop_source m_stopWork;
    /// A conversion is under way: a second Finish meanwhile is ignored.
    bool m_finishing = false;
    /// What start-up put into the box of [Setup] lines: read only when it is there.
    QString m_defaultSetupLines;
};

/// Gives the application the classic look the window is designed for: the
/// image button's font everywhere (message boxes and dialogs included) and,
/// away from Windows, the toolkit's classic Windows style. Call once, after the
/// QApplication exists and before any window is created.
void applyClassicLook();

} // namespace tembrix
