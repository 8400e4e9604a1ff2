#pragma once

// The open and save dialogs with the classic argument lists. Cancel and
// failure look the same: false and an empty file name.

#include <QString>

#include <utility>
#include <vector>

class QWidget;

namespace tembrix {

class FileDialogBackend;

inline constexpr unsigned kOfnReadOnly = 0x1;
inline constexpr unsigned kOfnOverwritePrompt = 0x2;
inline constexpr unsigned kOfnHideReadOnly = 0x4;
inline constexpr unsigned kOfnEnableHook = 0x20;
inline constexpr unsigned kOfnEnableTemplate = 0x40;
inline constexpr unsigned kOfnAllowMultiSelect = 0x200;
inline constexpr unsigned kOfnFileMustExist = 0x1000;

/// Splits a filter text at every "|" and every ":" into alternating
/// description and pattern fields. A trailing description without pattern is
/// dropped, and the list ends at the first empty field, as the Windows filter
/// buffer does at a double NUL. Empty text: no entries.
std::vector<std::pair<QString, QString>> convertFilter(const QString& filter);

/// Fills a FileDialogRequest from the classic arguments and runs it on
/// `backend`. The flag word: file must exist 0x1000, multi-select 0x200,
/// read-only 1, hide read-only 4, or-ed with `flags` less 0x20 and 0x40. On a
/// choice: true, `fileName` the full path, `fileTitle` its name, `flags` the
/// word used, `readOnly` true if it was. On cancel or failure: false, both names empty.
bool ShowOpenDialog(FileDialogBackend& backend, QString& fileName, QString& fileTitle,
                    bool fileMustExist, bool multiSelect, bool& readOnly, bool hideReadOnly,
                    QString& filter, int& filterIndex, const QString& initialDirectory,
                    const QString& title, const QString& defaultExtension, QWidget* owner,
                    int& flags);

/// As ShowOpenDialog; the flag word is overwrite prompt 2, always 4 (no
/// read-only box), or-ed with `flags` less 0x20 and 0x40.
bool ShowSaveDialog(FileDialogBackend& backend, QString& fileName, QString& fileTitle,
                    bool overwritePrompt, QString& filter, int& filterIndex,
                    const QString& initialDirectory, const QString& title,
                    const QString& defaultExtension, QWidget* owner, int& flags);

} // namespace tembrix
