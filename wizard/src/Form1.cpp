#include "tembrix/wizard/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include "Form1Layout.h"
#include "Form1Texts.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/localisation/Form1Controls.h"
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

Form1::~Form1() = default;

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

    connect(ui.abEdit, &QAbstractButton::clicked, this, &Form1::editScript);
    connect(ui.abOpenISS, &QAbstractButton::clicked, this, &Form1::openScript);
    connect(ui.abSite, &QAbstractButton::clicked, this, &Form1::openSite);
    connect(ui.LBLmail, &QAbstractButton::clicked, this, &Form1::mailAuthor);

    connect(ui.abTranslate, &QAbstractButton::clicked, this, &Form1::openLanguageMenu);
    connect(ui.MNlangue, &QMenu::aboutToHide, ui.abTranslate, &ImageButton::ResetLook);
    connect(ui.MNlangueChoice.front(), &QAction::triggered, this, [this] { chooseLanguage(0); });
    connect(ui.MNlangueOther, &QAction::triggered, this, &Form1::showTranslatorInstructions);
}

void Form1::formLoad() {
    const AppInfo& app = *m_services.app;
    // Both exports go into one file: the name is spelt alike on both steps,
    // since a case-sensitive file system would otherwise make two files.
    const std::string french = pathFromQt(programFile(app, QStringLiteral("Francais.lng")));
    m_translate.ExportFormTexts(*m_texts, french);
    processPendingEvents();
    m_translate.LoadDefaultMessages();
    m_translate.ExportMessages(french);
    processPendingEvents();

    const QString language =
        m_services.settings->read(QStringLiteral("FILES"), QStringLiteral("LNG"))
            .value_or(programFile(app, QStringLiteral("Francais.lng")));
    processPendingEvents();
    m_translate.ApplyLanguage(*m_texts, pathFromQt(language));
    matchQtTexts();
    BuildLanguageMenu();

    m_ui->abEdit->initialise(1);
    m_ui->abRestart->initialise(1);
    m_ui->abOpenISS->initialise(1);

    for (QGroupBox* frame : m_ui->frame) {
        frame->setGeometry(pageRectangle());
        frame->setVisible(false);
    }
    showPage(pageNumber(Page::Welcome), true);

    const DerivedInputs derived = deriveInputPaths(std::string(), pathFromQt(app.programFolder()));
    m_inputs.IncludeRuntimeFiles = true;
    m_inputs.Version = derived.version;
    m_ui->txtVersion->setText(qtFromCp1252(derived.version));
    m_ui->txtOption->setText(qtFromPath(derived.setupLinesPath));
    m_inputs.SetupLinesPath = derived.setupLinesPath;
    m_ui->txtFileAdd->setText(qtFromPath(derived.extraLinesPath));
    m_inputs.ExtraLinesPath = derived.extraLinesPath;
    BuildLanguageMenu();

    m_ui->abSite->setMouseIcon(m_ui->LBLmail->mouseIcon());
    m_fileSystem = m_fileSystemFactory ? m_fileSystemFactory() : createLocalFileSystem();
    processPendingEvents();
}

void Form1::closeEvent(QCloseEvent* event) {
    m_fileSystem.reset();
    event->accept();
}

void Form1::showPage(int index, bool visible) {
    if (index >= 0 && index < kPageCount)
        m_ui->frame[std::size_t(index)]->setVisible(visible);
}

void Form1::nextClicked() {
    if (!CanLeaveStep()) {
        m_ui->BTnext->ResetLook();
        return;
    }
    showPage(m_currentStep, false);
    ++m_currentStep;
    showPage(m_currentStep, true);
    m_ui->BTlast->setEnabled(true);
    if (m_currentStep == pageNumber(Page::Options)) {
        m_ui->BTnext->setEnabled(false);
        m_ui->BTend->setEnabled(true);
    }
}

void Form1::backClicked() {
    showPage(m_currentStep, false);
    --m_currentStep;
    showPage(m_currentStep, true);
    m_ui->BTnext->setEnabled(true);
    if (m_currentStep == pageNumber(Page::Welcome))
        m_ui->BTlast->setEnabled(false);
    m_ui->BTend->setEnabled(false);
}

void Form1::finishClicked() {
    fillConversionInputs();
    const Status written = m_fileSystem ? GenerateScript(m_inputs, *m_fileSystem)
                                        : Status::failure(m_inputs.ScriptPath);
    processPendingEvents();
    m_ui->BTend->ResetLook();
    if (!written) {
        // The final page says the script exists, so it is shown only when it does.
        m_services.messageBoxes->show(
            this, messageText("msg6") + QStringLiteral("\r\n") + qtFromPath(written.reason()),
            kMessageStop);
        return;
    }
    showPage(pageNumber(Page::Options), false);
    showPage(pageNumber(Page::Final), true);
    m_ui->BTend->setEnabled(false);
    m_ui->BTlast->setEnabled(false);
}

void Form1::restartClicked() {
    showPage(pageNumber(Page::Final), false);
    m_currentStep = pageNumber(Page::SetupList);
    showPage(m_currentStep, true);
    m_ui->BTnext->setEnabled(true);
    m_ui->BTlast->setEnabled(true);
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
