#pragma once

#include <QString>

class QWidget;

namespace tembrix {

class MessageBoxes;
class ShellBackend;

/// Hands a file or address to the desktop shell. On a refusal, shows
/// "Erreur <number>" and the shell's English text in a stop box and returns
/// false once the user has closed it; returns true when the shell accepted.
bool ShellOpen(ShellBackend& shell, MessageBoxes& messageBoxes, const QString& file,
               int showMode, const QString& parameters, const QString& directory,
               const QString& verb, QWidget* owner);

/// The error number and text that a shell result from 0 to 32 is shown with.
struct ShellError {
    long long number;
    QString text;
};
ShellError shellErrorFor(int result);

} // namespace tembrix
