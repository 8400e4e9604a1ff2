#pragma once

// Where the wizard finds the files it ships and keeps the files that it and
// its user write. A portable folder keeps everything beside the program; an
// installed program, or one whose folder cannot be written, never writes
// there, so that removing the package leaves nothing behind.

#include <QString>

namespace tembrix {

class AppInfo;

/// The empty file that the install rules put into an installed program's folder.
inline constexpr char kInstalledMarker[] = "tembrix-installed";

struct FilePlaces {
    QString programFolder; ///< the shipped files: language files, SetupLine.txt
    QString ownFolder;     ///< Francais.lng and the user's SetupLine.txt and AddLine.txt
    bool portable() const { return ownFolder == programFolder; }
};

/// The program folder for both, unless it holds the marker or cannot be
/// written: then the user's data folder keeps the program's own files.
FilePlaces findFilePlaces(const AppInfo& app);

/// True when a file can be created in `folder` (tried, then removed).
bool folderIsWritable(const QString& folder);

/// The user's own `name` in the own folder, made on first use: the folder is
/// created, and the file is copied from the program folder when one ships
/// there, else created empty. An existing file is left as it is. Empty when
/// it cannot be made.
QString makeOwnCopy(const FilePlaces& places, const QString& name);

} // namespace tembrix
