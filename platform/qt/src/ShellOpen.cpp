#include "tembrix/platformqt/ShellOpen.h"

#include "tembrix/platformqt/DesktopServices.h"

namespace tembrix {

namespace {

constexpr int kShowHide = 0;
constexpr int kShowNormal = 1;
// 0x80040418 read as a signed 32-bit value.
constexpr long long kShellErrorBase = -2147220456LL;

} // namespace

ShellError shellErrorFor(int result) {
    switch (result) {
    case 0:
    case 8:
        return {7, QStringLiteral("Out of memory")};
    case 2:
        return {53, QStringLiteral("File not found")};
    case 3:
        return {76, QStringLiteral("Path not found")};
    case 5:
        return {75, QStringLiteral("Path/file access error")};
    case 11:
        return {kShellErrorBase + 11, QStringLiteral("The executable file is invalid or corrupt")};
    case 26:
        return {75, QStringLiteral("A sharing violation occurred.")};
    case 27:
        return {kShellErrorBase + 27,
                QStringLiteral("This file type does not have a valid file association.")};
    case 28:
        return {286, QStringLiteral("The file could not be opened due to time out.  Please try "
                                    "again in a moment.")};
    case 29:
        return {285, QStringLiteral("The file could not be opened because the DDE transaction "
                                    "failed.  Please try again in a moment.")};
    case 30:
        return {285, QStringLiteral("The file could not be opened because the target application "
                                    "is busy.  Please try again in a moment.")};
    case 31:
        return {kShellErrorBase + 31,
                QStringLiteral("No application is associated with this file type.")};
    case 32:
        return {48, QStringLiteral("The specified dynamic-link library was not found.")};
    default:
        return {kShellErrorBase + result,
                QStringLiteral("An error occurred occurred whilst trying to open or print the "
                               "selected file.")};
    }
}

void ShowShellRefusal(MessageBoxes& messageBoxes, int result, QWidget* owner) {
    const ShellError error = shellErrorFor(result);
    messageBoxes.show(owner,
                      QStringLiteral("Erreur ") + QString::number(error.number) +
                          QStringLiteral("\r\n") + error.text,
                      kMessageStop);
}

bool ShellOpen(ShellBackend& shell, MessageBoxes& messageBoxes, const QString& file, int showMode,
               const QString& parameters, const QString& directory, const QString& verb,
               QWidget* owner) {
    int show = showMode;
    if (file.toUpper().contains(QStringLiteral(".EXE")))
        show = kShowHide;

    ShellRequest request;
    request.owner = owner;
    request.verb = verb;
    request.file = file;
    request.parameters = parameters;
    request.directory = directory;
    request.showCommand = parameters.isEmpty() && directory.isEmpty() ? kShowNormal : show;

    const int result = shell.execute(request);
    if (result < 0 || result > 32)
        return true;

    ShowShellRefusal(messageBoxes, result, owner);
    return false;
}

} // namespace tembrix
