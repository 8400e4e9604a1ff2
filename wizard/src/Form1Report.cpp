// The final page's report: what the conversion remarked, and the compile
// that the page offers when an Inno Setup compiler is found.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QThread>

#include <algorithm>
#include <memory>

#include "Form1Layout.h"
#include "tembrix/localisation/DiagnosticTexts.h"
#include "tembrix/platformqt/ImageButton.h"
#include "tembrix/platformqt/TextBridge.h"
#include "tembrix/wizard/Form1.h"

namespace tembrix {

namespace {

QLabel* compilableLabel(const Form1Widgets& ui) {
    return qobject_cast<QLabel*>(ui.find(QStringLiteral("lblStep05"), 0));
}

} // namespace

void Form1::showFinalPage(const Diagnostics& diagnostics) {
    m_remarks.clear();
    for (const std::string& line : diagnosticLines(m_translate, diagnostics))
        m_remarks << qtFromCp1252(line);
    m_compileLines.clear();

    // A script with warnings may compile, but the page must not say it is ready as it is.
    restoreCompilableCaption();
    const bool warned = std::ranges::any_of(
        diagnostics, [](const Diagnostic& d) { return d.kind == DiagnosticKind::Warning; });
    if (QLabel* label = compilableLabel(*m_ui); label && warned) {
        m_compilableCaption = label->text();
        label->setText(messageText("msg12"));
    }

    m_compilerPath = m_services.compiler ? m_services.compiler->find() : QString();
    placeFinalButtons(*m_ui, !m_compilerPath.isEmpty());
    showReport();

    showPage(pageNumber(Page::Options), false);
    showPage(pageNumber(Page::Final), true);
    m_finalShown = true;
    updateButtons();
}

void Form1::restoreCompilableCaption() {
    if (m_compilableCaption.isNull())
        return;
    if (QLabel* label = compilableLabel(*m_ui))
        label->setText(m_compilableCaption);
    m_compilableCaption = QString();
}

// The last compile's result first, where it is seen without scrolling, then the remarks.
void Form1::showReport() {
    QStringList lines = m_compileLines;
    if (!lines.isEmpty() && !m_remarks.isEmpty())
        lines << QString();
    lines += m_remarks;
    m_ui->txtReport->setPlainText(lines.join(QLatin1Char('\n')));
    m_ui->txtReport->setVisible(!lines.isEmpty());
}

// The compiler runs on a worker thread, so that the window keeps drawing
// itself; the result comes back to this thread through the event loop.
void Form1::compileScript() {
    m_ui->abCompile->ResetLook();
    if (m_compileThread || m_compilerPath.isEmpty() || !m_services.compiler)
        return;
    m_compileLines = QStringList{messageText("msg13")};
    showReport();
    m_ui->abCompile->setEnabled(false);
    m_ui->abRestart->setEnabled(false);
    setCursor(Qt::BusyCursor);

    auto outcome = std::make_shared<CompileOutcome>();
    m_compileThread =
        QThread::create([compiler = m_services.compiler, outcome, path = m_compilerPath,
                         script = m_ui->txtISS->text(), stop = m_stopWork.get_token()] {
            *outcome = compiler->compile(path, script, stop);
        });
    connect(m_compileThread, &QThread::finished, this,
            [this, outcome] { compileFinished(*outcome); });
    connect(m_compileThread, &QThread::finished, m_compileThread, &QObject::deleteLater);
    m_compileThread->start();
}

void Form1::compileFinished(const CompileOutcome& outcome) {
    unsetCursor();
    m_ui->abCompile->setEnabled(true);
    m_ui->abRestart->setEnabled(true);
    m_compileLines.clear();
    if (outcome.compiled) {
        m_compileLines << messageText("msg14");
        if (!outcome.installerPath.isEmpty())
            m_compileLines << messageText("msg15").arg(outcome.installerPath);
    } else {
        m_compileLines << messageText("msg16").arg(outcome.exitCode);
        if (!outcome.failure.isEmpty())
            m_compileLines << outcome.failure;
    }
    for (const CompileOutcome::Message& message : outcome.messages)
        m_compileLines << (message.line > 0 ? messageText("msg17").arg(
                                                  QString::number(message.line), message.text)
                                            : message.text);
    // A compiler that failed without a message of its own still said something.
    if (!outcome.compiled && outcome.messages.empty())
        m_compileLines += outcome.lastLines;
    showReport();
}

} // namespace tembrix
