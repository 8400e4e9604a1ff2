// The input pages: file choices, derived defaults, check boxes, the check
// before leaving the setup-list page and the record handed to the generator.

#include "tembrix/wizard/Form1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include "Form1Layout.h"
#include "RememberingFileSystem.h"
#include "tembrix/platform/CodePage.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platformqt/FileDialogs.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

std::optional<QString> Form1::openDialog(const char* titleKey, const QString& filter,
                                         const QString& initialDirectory) {
    QString fileName;
    QString fileTitle;
    bool readOnly = false;
    QString filterText = filter;
    int filterIndex = 1;
    int flags = 0;
    if (!ShowOpenDialog(*m_services.fileDialogs, fileName, fileTitle, true, false, readOnly, false,
                        filterText, filterIndex, initialDirectory, messageText(titleKey), QString(),
                        this, flags))
        return std::nullopt;
    return QDir::toNativeSeparators(fileName);
}

std::optional<QString> Form1::saveDialog(const char* titleKey, const QString& filter) {
    QString fileName;
    QString fileTitle;
    QString filterText = filter;
    int filterIndex = 1;
    int flags = 0;
    if (!ShowSaveDialog(*m_services.fileDialogs, fileName, fileTitle, true, filterText, filterIndex,
                        QString(), messageText(titleKey), QString(), this, flags))
        return std::nullopt;
    return QDir::toNativeSeparators(fileName);
}

void Form1::chooseSetupList() {
    if (const auto path = openDialog("msg2", QStringLiteral("*.LST|*.lst"), QString()))
        deriveDefaults(*path);
    m_ui->cmdChooseLST->ResetLook();
}

// Every setup list, chosen, dropped or typed, proposes the other pages'
// defaults; a box that the user changed since the last proposal keeps the
// user's text.
void Form1::deriveDefaults(const QString& setupListPath) {
    if (!m_fileSystem) // only between unload and the window's end
        return;
    const DerivedInputs derived = deriveInputs(
        pathFromQt(setupListPath), pathFromQt(m_services.app->programFolder()), *m_fileSystem);
    m_ui->txtLST->setText(setupListPath);
    m_derivedList = setupListPath;
    setDerived(m_ui->txtPath, qtFromPath(derived.sourceFolder));
    setDerived(m_ui->txtISS, qtFromPath(derived.scriptPath));
    setDerived(m_ui->txtOutputDir, qtFromPath(derived.outputDir));
    setDerived(m_ui->txtOuputExe, qtFromCp1252(derived.installerName));
}

void Form1::setDerived(QLineEdit* box, const QString& text) {
    if (box->text() == m_derivedTexts.value(box)) {
        box->setText(text);
        // A proposal longer than its box shows its beginning, as Windows' boxes do.
        box->setCursorPosition(0);
    }
    m_derivedTexts.insert(box, text);
}

void Form1::chooseScript() {
    if (const auto path = saveDialog("msg1", QStringLiteral("*.ISS|*.iss")))
        m_ui->txtISS->setText(*path);
    m_ui->cmdChooseISS->ResetLook();
}

void Form1::chooseInstaller() {
    if (const auto path = saveDialog("msg3", QStringLiteral("*.EXE|*.exe")))
        splitInstallerPath(*path);
    m_ui->cmdExeName->ResetLook();
}

void Form1::splitInstallerPath(const QString& installerPath) {
    m_ui->txtOutputDir->setText(qtFromPath(folderOf(pathFromQt(installerPath))));
    QString name = installerPath;
    if (!m_ui->txtOutputDir->text().isEmpty())
        name.remove(m_ui->txtOutputDir->text(), Qt::CaseSensitive);
    m_ui->txtOuputExe->setText(name);
}

QString Form1::linesFilter() const {
    return QStringLiteral("*.txt|*.txt|") + messageText("msg11") + QStringLiteral("|*.*");
}

// The box's text is the file that the conversion reads (its change handler
// copies it into the inputs), whether typed or chosen here.
void Form1::chooseLinesFile(QLineEdit* pathBox, ImageButton* button) {
    if (const auto path = openDialog("msg4", linesFilter(), m_places.ownFolder))
        pathBox->setText(*path);
    button->ResetLook();
}

void Form1::chooseSetupLines() {
    chooseLinesFile(m_ui->txtOption, m_ui->cmdOption);
}

void Form1::chooseExtraLines() {
    chooseLinesFile(m_ui->txtFileAdd, m_ui->cmdChooseAdd);
}

// The file in the box is opened: the one the conversion reads. Where the
// program folder is not the user's, the shipped file (or a missing own one)
// gives way to the user's own copy, made on first use, which the box then names.
void Form1::editLinesFile(QLineEdit* pathBox, ImageButton* button) {
    QString path = pathBox->text();
    if (!m_places.portable()) {
        const QString name = QFileInfo(path).fileName();
        const bool shipped = path == folderFile(m_places.programFolder, name);
        const bool ownMissing =
            path == folderFile(m_places.ownFolder, name) && !QFileInfo::exists(path);
        if (!name.isEmpty() && (shipped || ownMissing)) {
            if (const QString own = makeOwnCopy(m_places, name); !own.isEmpty()) {
                pathBox->setText(own);
                path = own;
            }
        }
    }
    shellOpen(path);
    QCoreApplication::processEvents();
    button->ResetLook();
}

void Form1::editSetupLines() {
    editLinesFile(m_ui->txtOption, m_ui->cmdEdit);
}

void Form1::editExtraLines() {
    editLinesFile(m_ui->txtFileAdd, m_ui->cmdEditAdd);
}

void Form1::chkAbsPath_Click() {
    m_ui->txtPath->setVisible(m_ui->chkAbsPath->isChecked());
}

void Form1::chkFileAdd_Click() {
    m_inputs.AddExtraLines = m_ui->chkFileAdd->isChecked();
    m_ui->txtFileAdd->setVisible(m_inputs.AddExtraLines);
    m_ui->cmdChooseAdd->setVisible(m_inputs.AddExtraLines);
    m_ui->cmdEditAdd->setVisible(m_inputs.AddExtraLines);
}

void Form1::chkVbDLL_Click() {
    m_inputs.IncludeRuntimeFiles = m_ui->chkVbDLL->isChecked();
}

// Remembered like the language: whoever compiles with Inno Setup 6 does so every time.
void Form1::chkInno6_Click() {
    const bool inno6 = m_ui->chkInno6->isChecked();
    m_inputs.dialect = inno6 ? ScriptDialect::Inno6 : ScriptDialect::Classic;
    m_services.settings->write(QStringLiteral("OPTIONS"), QStringLiteral("INNO6"),
                               inno6 ? QStringLiteral("1") : QStringLiteral("0"));
}

void Form1::txtVersion_Change() {
    m_inputs.Version = cp1252FromQt(m_ui->txtVersion->text());
}

bool Form1::CanLeaveStep() {
    if (m_currentStep != pageNumber(Page::SetupList) || !m_fileSystem)
        return true;
    if (m_fileSystem->fileExists(pathFromQt(m_ui->txtLST->text())))
        return true;
    m_services.messageBoxes->show(
        this, messageText("msg5") + QStringLiteral("\r\n") + m_ui->txtLST->text(), kMessageStop);
    return false;
}

// A folder goes into the script in the system's code page, so that the
// compiler there finds it; one that the page cannot spell is refused by the
// name of its line in the script, never written with "?".
std::optional<std::string> Form1::scriptFolder(const QLineEdit* box, const char* field) {
    if (auto text = scriptTextFromQt(box->text()))
        return text;
    m_services.messageBoxes->show(
        this,
        messageText("msg19").arg(QLatin1String(field), QString::number(systemCodePage())) +
            QStringLiteral("\r\n") + box->text(),
        kMessageStop);
    return std::nullopt;
}

bool Form1::fillConversionInputs() {
    m_inputs.SetupListPath = pathFromQt(m_ui->txtLST->text());
    m_inputs.ScriptPath = pathFromQt(m_ui->txtISS->text());
    m_inputs.UseAbsoluteSource = m_ui->chkAbsPath->isChecked();
    m_inputs.installerName = cp1252FromQt(m_ui->txtOuputExe->text());
    // The program's own lines file is read when it is there, as the converter
    // does; only a file that the user named is missed aloud.
    const QString setupLines = m_ui->txtOption->text();
    m_inputs.SetupLinesPath = setupLines == m_defaultSetupLines && m_fileSystem &&
                                      !m_fileSystem->fileExists(pathFromQt(setupLines))
                                  ? std::string()
                                  : pathFromQt(setupLines);
    const auto outputDir = scriptFolder(m_ui->txtOutputDir, "OutputDir");
    if (!outputDir)
        return false;
    m_inputs.OutputDir = *outputDir;
    if (!m_inputs.UseAbsoluteSource) {
        m_inputs.SourceFolder = cp1252FromQt(m_ui->txtPath->text()); // not written
        return true;
    }
    const auto sourceFolder = scriptFolder(m_ui->txtPath, "Source");
    if (sourceFolder)
        m_inputs.SourceFolder = *sourceFolder;
    return sourceFolder.has_value();
}

} // namespace tembrix
