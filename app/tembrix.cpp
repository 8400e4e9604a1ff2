// The wizard program: the real desktop services, the About window, then Form1.

#include <QApplication>
#include <QCursor>

#include "tembrix/about/FRMabout.h"
#include "tembrix/platform/ProgramIdentity.h"
#include "tembrix/platformqt/DesktopShellBackend.h"
#include "tembrix/platformqt/ProcessEditor.h"
#include "tembrix/platformqt/QtFileDialogBackend.h"
#include "tembrix/platformqt/QtMessageBoxes.h"
#include "tembrix/platformqt/QtSettingsStore.h"
#include "tembrix/platformqt/RunningAppInfo.h"
#include "tembrix/wizard/AboutLauncher.h"
#include "tembrix/wizard/Form1.h"
#include "tembrix/wizard/InnoSetupCompiler.h"

namespace {

class AboutWindowLauncher : public tembrix::AboutLauncher {
public:
    explicit AboutWindowLauncher(const tembrix::DesktopServices& services) : m_services(services) {}

    void showAbout(QWidget* parent, const QCursor& linkCursor) override {
        tembrix::FRMabout window(m_services, linkCursor, parent);
        window.exec();
    }

private:
    const tembrix::DesktopServices& m_services;
};

} // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // Qt's own FreeType draws the classic dialog face (or its metric twin) as
    // on Linux, so that the fixed layout fits; the system's engine may not have
    // it, and under Wine left letters out. A -platform argument still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QString::fromLatin1(tembrix::kProgramName.data(), qsizetype(tembrix::kProgramName.size())));
    tembrix::applyClassicLook();

    tembrix::RunningAppInfo appInfo;
    tembrix::QtMessageBoxes messageBoxes(appInfo.title());
    tembrix::QtFileDialogBackend fileDialogs;
    tembrix::DesktopShellBackend shell;
    tembrix::ProcessEditor editor;
    tembrix::QtSettingsStore settings;
    tembrix::InnoSetupCompiler compiler;

    tembrix::DesktopServices services;
    services.messageBoxes = &messageBoxes;
    services.fileDialogs = &fileDialogs;
    services.shell = &shell;
    services.editor = &editor;
    services.settings = &settings;
    services.app = &appInfo;
    services.compiler = &compiler;

    AboutWindowLauncher about(services);
    tembrix::Form1 wizard(services, about);
    wizard.show();
    return application.exec();
}
