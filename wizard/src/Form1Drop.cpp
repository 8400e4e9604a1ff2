// Files dropped on the window. One setup list (or a package's folder or its
// setup.exe, which stand for their list), dropped anywhere on the window,
// on any page, is taken as if it had been chosen with cmdChooseLST; from the
// welcome page or the final page the wizard moves to the setup-list page, so
// that the user sees it. Every other drop is refused, so that the pointer
// shows it before the button is let go.

#include "tembrix/wizard/Form1.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "Form1Layout.h"
#include "tembrix/engine/PackageFiles.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

void Form1::acceptSetupListDrops() {
    setAcceptDrops(true);
    // Text boxes take dropped files as text of their own; a file dropped on
    // one goes to the window instead, while dragged text still lands there.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->acceptDrops())
            child->installEventFilter(this);
}

std::optional<QString> Form1::droppedSetupList(const QMimeData* data) const {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile())
        return std::nullopt;
    const QFileInfo file(url.toLocalFile());
    // The package's folder or its setup.exe stands for its list, as in the converter.
    if (const auto list =
            setupListOfPackage(pathFromQt(file.absoluteFilePath()), *createLocalFileSystem()))
        return QDir::toNativeSeparators(qtFromPath(*list));
    if (!file.isFile() || file.suffix().compare(QLatin1String("lst"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return QDir::toNativeSeparators(file.absoluteFilePath());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
        event->ignore(); // Qt hands an ignored drag on to the window
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The pointer shows the answer while the drag enters and moves.
void Form1::answerDrag(QDropEvent* event) const {
    if (droppedSetupList(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    answerDrag(event);
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    answerDrag(event);
}

void Form1::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = droppedSetupList(event->mimeData());
    if (!path) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (m_finalShown || m_currentStep == pageNumber(Page::Welcome))
        goToPage(pageNumber(Page::SetupList));
    deriveDefaults(*path);
}

} // namespace tembrix
