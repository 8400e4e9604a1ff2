#include "tembrix/wizard/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <QThread>

#include <algorithm>
#include <array>

#include "Form1Layout.h"
#include "Form1Texts.h"
#include "RememberingFileSystem.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/localisation/DiagnosticTexts.h"
#include "tembrix/localisation/Form1Controls.h"
#include "tembrix/platform/ArchiveReader.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platformqt/AuthorLinks.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/QtOwnTexts.h"
#include "tembrix/platformqt/ShellOpen.h"
#include "tembrix/platformqt/TextBridge.h"
#include "tembrix/wizard/AboutLauncher.h"

namespace tembrix {

namespace {

// The classic SW_SHOWDEFAULT that every shell request of the window passes.
constexpr int kShowDefault = 10;

void processPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace

void applyClassicLook() {
#ifndef Q_OS_WIN
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
#endif
    QApplication::setFont(ImageButton::defaultFont());
}

Form1::Form1(const DesktopServices& services, AboutLauncher& about,
             FileSystemFactory fileSystemFactory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_services(services), m_about(about), m_fileSystemFactory(std::move(fileSystemFactory)) {
    setObjectName(QString::fromUtf8(kForm1Name.data(), qsizetype(kForm1Name.size())));
    m_ui = std::make_unique<Form1Widgets>(buildForm1Widgets(this));
    m_texts = std::make_unique<Form1Texts>(this, *m_ui);
    // The built-in texts are French, and so are Qt's until a language says otherwise.
    m_qtTexts = std::make_unique<QtOwnTexts>();
    m_qtTexts->use(QStringLiteral("fr"));
    connectHandlers();
    acceptSetupListDrops();
    formLoad();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// A compile still running is stopped, and ends first: its result has nowhere
// to go, and the compiler must not outlive the program that started it.
Form1::~Form1() {
    m_stopWork.request_stop();
    for (QThread* worker : {m_compileThread.data(), m_versionThread.data()})
        if (worker)
            worker->wait();
}

void Form1::connectHandlers() {
    Form1Widgets& ui = *m_ui;
    connect(ui.BTnext, &QAbstractButton::clicked, this, &Form1::nextClicked);
    connect(ui.BTlast, &QAbstractButton::clicked, this, &Form1::backClicked);
    connect(ui.BTend, &QAbstractButton::clicked, this, &Form1::finishClicked);
    connect(ui.BTcancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(ui.BThelp, &QAbstractButton::clicked, this, &Form1::aboutClicked);
    connect(ui.abRestart, &QAbstractButton::clicked, this, &Form1::restartClicked);

    connect(ui.cmdChooseLST, &QAbstractButton::clicked, this, &Form1::chooseSetupList);
    connect(ui.cmdChooseISS, &QAbstractButton::clicked, this, &Form1::chooseScript);
    connect(ui.cmdExeName, &QAbstractButton::clicked, this, &Form1::chooseInstaller);
    connect(ui.cmdOption, &QAbstractButton::clicked, this, &Form1::chooseSetupLines);
    connect(ui.cmdChooseAdd, &QAbstractButton::clicked, this, &Form1::chooseExtraLines);
    connect(ui.cmdEdit, &QAbstractButton::clicked, this, &Form1::editSetupLines);
    connect(ui.cmdEditAdd, &QAbstractButton::clicked, this, &Form1::editExtraLines);
    connect(ui.chkAbsPath, &QCheckBox::toggled, this, &Form1::chkAbsPath_Click);
    connect(ui.chkFileAdd, &QCheckBox::toggled, this, &Form1::chkFileAdd_Click);
    connect(ui.chkVbDLL, &QCheckBox::toggled, this, &Form1::chkVbDLL_Click);
    connect(ui.txtVersion, &QLineEdit::textChanged, this, &Form1::txtVersion_Change);
    connect(ui.txtOption, &QLineEdit::textChanged, this,
            [this](const QString& path) { m_inputs.SetupLinesPath = pathFromQt(path); });
    connect(ui.txtFileAdd, &QLineEdit::textChanged, this,
            [this](const QString& path) { m_inputs.ExtraLinesPath = pathFromQt(path); });

    connect(ui.abEdit, &QAbstractButton::clicked, this, &Form1::editScript);
    connect(ui.abOpenISS, &QAbstractButton::clicked, this, &Form1::openScript);
    connect(ui.abCompile, &QAbstractButton::clicked, this, &Form1::compileScript);
    connect(ui.chkInno6, &QCheckBox::toggled, this, &Form1::chkInno6_Click);
    connect(ui.abSite, &QAbstractButton::clicked, this, &Form1::openSite);
    connect(ui.LBLmail, &QAbstractButton::clicked, this, &Form1::mailAuthor);

    connect(ui.abTranslate, &QAbstractButton::clicked, this, &Form1::openLanguageMenu);
    connect(ui.MNlangue, &QMenu::aboutToHide, ui.abTranslate, &ImageButton::ResetLook);
    connect(ui.MNlangueChoice.front(), &QAction::triggered, this, [this] { chooseLanguage(0); });
    connect(ui.MNlangueOther, &QAction::triggered, this, &Form1::showTranslatorInstructions);
}

void Form1::formLoad() {
    const AppInfo& app = *m_services.app;
    m_places = findFilePlaces(app);
    if (!m_places.portable())
        QDir().mkpath(m_places.ownFolder);
    // Both exports go into one file: the name is spelt alike on both steps,
    // since a case-sensitive file system would otherwise make two files.
    const QString frenchFile = folderFile(m_places.ownFolder, QStringLiteral("Francais.lng"));
    const std::string french = pathFromQt(frenchFile);
    m_translate.ExportFormTexts(*m_texts, french);
    processPendingEvents();
    m_translate.LoadDefaultMessages();
    m_translate.ExportMessages(french);
    ExportDiagnosticTexts(french);
    processPendingEvents();

    // A remembered language that has gone (the folder was moved) counts as no
    // choice at all: an empty file would blank every message.
    QString language = m_services.settings->read(QStringLiteral("FILES"), QStringLiteral("LNG"))
                           .value_or(QString());
    if (language.isEmpty() || !QFileInfo(language).isFile())
        language = frenchFile;
    processPendingEvents();
    m_translate.ApplyLanguage(*m_texts, pathFromQt(language));
    matchQtTexts();
    BuildLanguageMenu();

    m_ui->abEdit->initialise(1);
    m_ui->abRestart->initialise(1);
    m_ui->abOpenISS->initialise(1);
    m_ui->abCompile->initialise(1);

    for (QGroupBox* frame : m_ui->frame) {
        frame->setGeometry(pageRectangle());
        frame->setVisible(false);
    }
    showPage(pageNumber(Page::Welcome), true);
    updateButtons();

    const DerivedInputs derived = deriveInputPaths(std::string(), pathFromQt(app.programFolder()));
    m_inputs.IncludeRuntimeFiles = true;
    const bool inno6 = m_services.settings->read(QStringLiteral("OPTIONS"),
                                                 QStringLiteral("INNO6")) == QStringLiteral("1");
    {
        const QSignalBlocker quiet(m_ui->chkInno6); // what is read is not written back
        m_ui->chkInno6->setChecked(inno6);
    }
    m_inputs.dialect = inno6 ? ScriptDialect::Inno6 : ScriptDialect::Classic;
    m_inputs.Version = derived.version;
    m_ui->txtVersion->setText(qtFromCp1252(derived.version));
    // The user's own lines file, once the pencil has made it; until then the shipped one.
    QString setupLines = qtFromPath(derived.setupLinesPath);
    QString extraLines = qtFromPath(derived.extraLinesPath);
    if (!m_places.portable()) {
        const QString own = folderFile(m_places.ownFolder, QStringLiteral("SetupLine.txt"));
        if (QFileInfo(own).isFile())
            setupLines = own;
        extraLines = folderFile(m_places.ownFolder, QStringLiteral("AddLine.txt"));
    }
    m_defaultSetupLines = setupLines;
    m_ui->txtOption->setText(setupLines);
    m_ui->txtFileAdd->setText(extraLines);
    BuildLanguageMenu();

    m_ui->abSite->setMouseIcon(m_ui->LBLmail->mouseIcon());
    m_fileSystem = std::make_unique<RememberingFileSystem>(
        m_fileSystemFactory ? m_fileSystemFactory() : createLocalFileSystem());
    proposeDialect();
    m_archives = createSystemArchiveReader();
    processPendingEvents();
}

// Until the user chooses, the script is written for the compiler that is
// there: Inno Setup 6 warns at every folder constant of the classic form.
// Asking the compiler takes a while, so it is asked off the window's thread.
void Form1::proposeDialect() {
    if (!m_services.compiler ||
        m_services.settings->read(QStringLiteral("OPTIONS"), QStringLiteral("INNO6")))
        return;
    auto major = std::make_shared<int>(0);
    m_versionThread =
        QThread::create([compiler = m_services.compiler, major, stop = m_stopWork.get_token()] {
            if (const QString found = compiler->find(); !found.isEmpty())
                *major = compiler->majorVersion(found, stop);
        });
    connect(m_versionThread, &QThread::finished, this, [this, major] {
        if (*major != 6 ||
            m_services.settings->read(QStringLiteral("OPTIONS"), QStringLiteral("INNO6")))
            return;                                 // not 6, or the user has chosen meanwhile
        const QSignalBlocker quiet(m_ui->chkInno6); // a proposal, not the user's choice
        m_ui->chkInno6->setChecked(true);
        m_inputs.dialect = ScriptDialect::Inno6;
    });
    connect(m_versionThread, &QThread::finished, m_versionThread, &QObject::deleteLater);
    m_versionThread->start();
}

// The window goes at once: a compile under way is stopped rather than awaited.
void Form1::closeEvent(QCloseEvent* event) {
    m_stopWork.request_stop();
    m_fileSystem.reset();
    event->accept();
}

// Return goes forward, wherever the focus is, unless a focused button takes
// it for itself; text boxes and check boxes pass it on to the window.
void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_ui->BTnext->isEnabled())
            m_ui->BTnext->click();
        else if (m_ui->BTend->isEnabled())
            m_ui->BTend->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::showPage(int index, bool visible) {
    if (index >= 0 && index < kPageCount)
        m_ui->frame[std::size_t(index)]->setVisible(visible);
}

void Form1::updateButtons() {
    const bool onInputs = !m_finalShown;
    const int step = m_currentStep;
    const int last = pageNumber(Page::Options);
    m_ui->BTnext->setEnabled(onInputs && step < last);
    m_ui->BTlast->setEnabled(onInputs && step > pageNumber(Page::Welcome));
    m_ui->BTend->setEnabled(onInputs && step == last);

    QWidget* first = m_ui->abOpenISS;
    if (onInputs) {
        const std::array<QWidget*, 4> firstOfPage{m_ui->BTnext, m_ui->txtLST, m_ui->txtISS,
                                                  m_ui->txtVersion};
        first = firstOfPage[std::size_t(std::clamp(step, 0, last))];
    }
    first->setFocus(Qt::OtherFocusReason);
}

void Form1::goToPage(int step) {
    showPage(m_finalShown ? pageNumber(Page::Final) : m_currentStep, false);
    m_finalShown = false;
    m_currentStep = step;
    showPage(m_currentStep, true);
    updateButtons();
}

void Form1::nextClicked() {
    if (!CanLeaveStep()) {
        m_ui->BTnext->ResetLook();
        return;
    }
    // A typed setup list proposes the other pages' defaults as a chosen one does.
    if (m_currentStep == pageNumber(Page::SetupList) && m_ui->txtLST->text() != m_derivedList)
        deriveDefaults(m_ui->txtLST->text());
    goToPage(m_currentStep + 1);
}

void Form1::backClicked() {
    goToPage(m_currentStep - 1);
}

void Form1::finishClicked() {
    // The pending events below may hold a second press of Finish.
    if (m_finishing)
        return;
    m_finishing = true;
    const auto finished = qScopeGuard([this] { m_finishing = false; });
    const bool filled = fillConversionInputs();
    processPendingEvents();
    m_ui->BTend->ResetLook();
    if (!filled)
        return;
    if (m_inputs.ScriptPath.empty()) {
        m_services.messageBoxes->show(this, messageText("msg8"), kMessageStop);
        return;
    }
    if (!confirmReplace())
        return;
    ConversionReport conversion;
    conversion.failure = ConversionFailure::ScriptNotWritten;
    const Status written = m_fileSystem && m_archives
                               ? GenerateScript(m_inputs, *m_fileSystem, *m_archives, conversion)
                               : Status::failure(m_inputs.ScriptPath);
    processPendingEvents();
    if (conversion.failure == ConversionFailure::ListUnreadable ||
        conversion.failure == ConversionFailure::NotAList) {
        reportListFailure(written);
        return;
    }
    if (!written) {
        // The final page says the script exists, so it is shown only when it does.
        reportWriteFailure();
        return;
    }
    showFinalPage(conversion.diagnostics);
}

// An existing script may hold the user's edits: it is replaced only when the
// user says so, or when it still holds exactly what this run wrote there.
bool Form1::confirmReplace() {
    const std::string& path = m_inputs.ScriptPath;
    if (!m_fileSystem || !m_fileSystem->fileExists(path))
        return true;
    if (m_fileSystem->holdsWhatWasWritten(path))
        return true;
    return m_services.messageBoxes->ask(this, qtFromPath(path) + QStringLiteral("\r\n") +
                                                  messageText("msg7"));
}

// Our own sentences, in the window's language, rather than the system's text.
void Form1::reportWriteFailure() {
    const QString path = qtFromPath(m_inputs.ScriptPath);
    const bool folderExists = QFileInfo(path).absoluteDir().exists();
    m_services.messageBoxes->show(this,
                                  messageText("msg6") + QStringLiteral("\r\n") + path +
                                      QStringLiteral("\r\n") +
                                      messageText(folderExists ? "msg10" : "msg9"),
                                  kMessageStop);
}

// The list's path and why it cannot be converted, in the engine's words,
// which name the system's reason.
void Form1::reportListFailure(const Status& read) {
    m_services.messageBoxes->show(
        this, messageText("msg18") + QStringLiteral("\r\n") + QString::fromStdString(read.reason()),
        kMessageStop);
}

void Form1::restartClicked() {
    restoreCompilableCaption();
    goToPage(pageNumber(Page::SetupList));
}

void Form1::aboutClicked() {
    m_about.showAbout(this, m_ui->LBLmail->mouseIcon());
    m_ui->BThelp->ResetLook();
}

bool Form1::shellOpen(const QString& target) {
    return ShellOpen(*m_services.shell, *m_services.messageBoxes, target, kShowDefault, QString(),
                     QString(), QStringLiteral("open"), nullptr);
}

// When nothing could be started to show the file, the user is told so in the
// words of a shell that found no program for it.
void Form1::startEditor(const QString& path) {
    constexpr int kNoAssociation = 31;
    if (!m_services.editor->start(path))
        ShowShellRefusal(*m_services.messageBoxes, kNoAssociation, nullptr);
}

void Form1::editScript() {
    startEditor(m_ui->txtISS->text());
    m_ui->abEdit->ResetLook();
}

void Form1::openScript() {
    shellOpen(m_ui->txtISS->text());
}

void Form1::openSite() {
    shellOpen(authorSite());
    m_ui->abSite->ResetLook();
}

void Form1::mailAuthor() {
    shellOpen(authorMailLink(m_services.app->title()));
}

QString Form1::messageText(const char* key) const {
    return qtFromCp1252(m_translate.GetMessageText(key));
}

} // namespace tembrix
