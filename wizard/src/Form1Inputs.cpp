// The input pages: file choices, derived defaults, check boxes, the check
// before leaving the setup-list page and the record handed to the generator.

#include "tembrix/wizard/Form1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

#include "Form1Layout.h"
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

void Form1::deriveDefaults(const QString& setupListPath) {
    const DerivedInputs derived =
        deriveInputs(pathFromQt(setupListPath), pathFromQt(m_services.app->programFolder()));
    m_ui->txtLST->setText(setupListPath);
    m_ui->txtPath->setText(qtFromPath(derived.sourceFolder));
    m_ui->txtISS->setText(qtFromPath(derived.scriptPath));
    m_ui->txtOutputDir->setText(qtFromPath(derived.outputDir));
    m_ui->txtOuputExe->setText(qtFromCp1252(derived.installerName));
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

void Form1::chooseLinesFile(QLineEdit* pathBox, std::string& inputPath, ImageButton* button) {
    if (const auto path =
            openDialog("msg4", QStringLiteral("*.txt|*.txt"), m_services.app->programFolder())) {
        pathBox->setText(*path);
        inputPath = pathFromQt(pathBox->text());
    }
    button->ResetLook();
}

void Form1::chooseSetupLines() {
    chooseLinesFile(m_ui->txtOption, m_inputs.SetupLinesPath, m_ui->cmdOption);
}

void Form1::chooseExtraLines() {
    chooseLinesFile(m_ui->txtFileAdd, m_inputs.ExtraLinesPath, m_ui->cmdChooseAdd);
}

// The file typed in the box is opened, even when the conversion still reads
// the one chosen last.
void Form1::editLinesFile(const QLineEdit* pathBox, ImageButton* button) {
    shellOpen(pathBox->text());
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

void Form1::fillConversionInputs() {
    m_inputs.SetupListPath = pathFromQt(m_ui->txtLST->text());
    m_inputs.ScriptPath = pathFromQt(m_ui->txtISS->text());
    m_inputs.UseAbsoluteSource = m_ui->chkAbsPath->isChecked();
    m_inputs.SourceFolder = cp1252FromQt(m_ui->txtPath->text());
    m_inputs.OutputDir = cp1252FromQt(m_ui->txtOutputDir->text());
    m_inputs.installerName = cp1252FromQt(m_ui->txtOuputExe->text());
}

} // namespace tembrix
