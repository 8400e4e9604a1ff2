#include "tembrix/platformqt/FileDialogs.h"

#include <QFileInfo>

#include <optional>

#include "tembrix/platformqt/DesktopServices.h"

namespace tembrix {

namespace {

constexpr unsigned kIgnoredExtraFlags = kOfnEnableHook | kOfnEnableTemplate;

unsigned extraFlags(int flags) {
    return static_cast<unsigned>(flags) & ~kIgnoredExtraFlags;
}

bool runDialog(FileDialogBackend& backend, const FileDialogRequest& request, QString& fileName,
               QString& fileTitle, int& flags) {
    const std::optional<QString> chosen = backend.run(request);
    if (!chosen || chosen->isEmpty()) {
        fileName.clear();
        fileTitle.clear();
        return false;
    }
    fileName = *chosen;
    fileTitle = QFileInfo(*chosen).fileName();
    flags = static_cast<int>(request.flags);
    return true;
}

FileDialogRequest makeRequest(FileDialogRequest::Kind kind, const QString& fileName,
                              const QString& filter, int filterIndex,
                              const QString& initialDirectory, const QString& title,
                              const QString& defaultExtension, QWidget* owner, unsigned flags) {
    FileDialogRequest request;
    request.kind = kind;
    request.title = title;
    request.initialDirectory = initialDirectory;
    request.fileName = fileName;
    request.filters = convertFilter(filter);
    request.filterIndex = filterIndex;
    request.flags = flags;
    request.defaultExtension = defaultExtension;
    request.owner = owner;
    return request;
}

} // namespace

std::vector<std::pair<QString, QString>> convertFilter(const QString& filter) {
    // Every "|" and ":" ends a field, as the NUL that replaces it does in the
    // Windows filter buffer; that buffer also ends at the first empty field.
    std::vector<std::pair<QString, QString>> entries;
    QString fields[2];
    int field = 0;
    const auto endField = [&]() {
        if (fields[field].isEmpty())
            return false;
        if (field == 1) {
            entries.emplace_back(fields[0], fields[1]);
            fields[0].clear();
            fields[1].clear();
        }
        field = 1 - field;
        return true;
    };
    for (const QChar c : filter) {
        if (c == u'|' || c == u':') {
            if (!endField())
                return entries;
        } else {
            fields[field] += c;
        }
    }
    endField();
    return entries;
}

bool ShowOpenDialog(FileDialogBackend& backend, QString& fileName, QString& fileTitle,
                    bool fileMustExist, bool multiSelect, bool& readOnly, bool hideReadOnly,
                    QString& filter, int& filterIndex, const QString& initialDirectory,
                    const QString& title, const QString& defaultExtension, QWidget* owner,
                    int& flags) {
    unsigned word = extraFlags(flags);
    if (fileMustExist)
        word |= kOfnFileMustExist;
    if (multiSelect)
        word |= kOfnAllowMultiSelect;
    if (readOnly)
        word |= kOfnReadOnly;
    if (hideReadOnly)
        word |= kOfnHideReadOnly;
    const FileDialogRequest request =
        makeRequest(FileDialogRequest::Kind::Open, fileName, filter, filterIndex, initialDirectory,
                    title, defaultExtension, owner, word);
    const bool chosen = runDialog(backend, request, fileName, fileTitle, flags);
    if (chosen && (request.flags & kOfnReadOnly))
        readOnly = true;
    return chosen;
}

bool ShowSaveDialog(FileDialogBackend& backend, QString& fileName, QString& fileTitle,
                    bool overwritePrompt, QString& filter, int& filterIndex,
                    const QString& initialDirectory, const QString& title,
                    const QString& defaultExtension, QWidget* owner, int& flags) {
    unsigned word = extraFlags(flags) | kOfnHideReadOnly;
    if (overwritePrompt)
        word |= kOfnOverwritePrompt;
    const FileDialogRequest request =
        makeRequest(FileDialogRequest::Kind::Save, fileName, filter, filterIndex, initialDirectory,
                    title, defaultExtension, owner, word);
    return runDialog(backend, request, fileName, fileTitle, flags);
}

} // namespace tembrix
