#include "tembrix/platformqt/QtFileDialogBackend.h"

#include <QDir>
#include <QFileDialog>

#include <algorithm>

#include "tembrix/platformqt/FileDialogs.h"

namespace tembrix {

QStringList QtFileDialogBackend::nameFilters(const FileDialogRequest& request) {
    QStringList filters;
    for (const auto& [description, pattern] : request.filters) {
        QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        filters << description + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

void QtFileDialogBackend::configure(QFileDialog& dialog, const FileDialogRequest& request) {
    const bool save = request.kind == FileDialogRequest::Kind::Save;
#ifndef Q_OS_WIN
    // Setup lists are named SETUP.LST as often as setup.lst. Qt's own dialog
    // matches patterns without letter case, as Windows does; a desktop's native
    // dialog may not, and would hide the very file the user is looking for.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (request.flags & kOfnAllowMultiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (request.flags & kOfnFileMustExist)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite,
                     !(save && (request.flags & kOfnOverwritePrompt)));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialDirectory.isEmpty())
        dialog.setDirectory(request.initialDirectory);

    const QStringList filters = nameFilters(request);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
        dialog.selectNameFilter(filters.at(index - 1));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

std::optional<QString> QtFileDialogBackend::run(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner);
    configure(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.first());
}

} // namespace tembrix
