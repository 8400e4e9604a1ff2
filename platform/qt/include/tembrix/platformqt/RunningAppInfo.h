#pragma once

#include "tembrix/platformqt/DesktopServices.h"

namespace tembrix {

/// What the running program knows about itself, from QCoreApplication and the
/// project's version. Needs a QCoreApplication for the folder and the name.
class RunningAppInfo : public AppInfo {
public:
    QString programFolder() const override;
    QString title() const override;
    int versionMajor() const override;
    int versionMinor() const override;
    int versionRevision() const override;
    QString executableName() const override;
    QString userDataFolder() const override; // in UserFiles.cpp

    /// `folder` in native separators without its trailing separator, kept at a
    /// root ("/", "C:\"). Empty stays empty.
    static QString trimFolder(const QString& folder);
    /// A program path's file name; on Windows without a final ".exe" in any case.
    static QString nameWithoutExtension(const QString& programPath);
};

} // namespace tembrix
