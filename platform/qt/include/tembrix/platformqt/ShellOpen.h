#pragma once

#include <QString>

class QWidget;

namespace tembrix {

class MessageBoxes;
class ShellBackend;

/// Hands a file or address to the desktop shell. On a refusal, shows
/// "Erreur <number>" CR LF and the shell's English text in a stop box (style
/// 16, the application's title) and returns false once the user has closed it;
/// returns true when the shell accepted (a result below 0 or above 32).
/// The request's show command is 1 when `parameters` and `directory` are both
/// empty; otherwise `showMode`, or 0 when the file's name holds ".EXE" in any case.
bool ShellOpen(ShellBackend& shell, MessageBoxes& messageBoxes, const QString& file, int showMode,
               const QString& parameters, const QString& directory, const QString& verb,
               QWidget* owner);

/// Shows a shell result from 0 to 32 as ShellOpen does: "Erreur <number>" CR LF
/// and the shell's English text, in a stop box.
void ShowShellRefusal(MessageBoxes& messageBoxes, int result, QWidget* owner);

/// The error number and text that a shell result from 0 to 32 is shown with;
/// any other result gets the generic text and result - 2147220456.
struct ShellError {
    long long number;
    QString text;
};
ShellError shellErrorFor(int result);

} // namespace tembrix
