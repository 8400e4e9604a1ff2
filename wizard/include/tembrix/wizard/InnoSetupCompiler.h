#pragma once

#include "tembrix/platformqt/DesktopServices.h"

namespace tembrix {

/// The real compiler service: Inno Setup's command-line compiler, found and
/// run as the converter's compile check does.
class InnoSetupCompiler : public ScriptCompiler {
public:
    QString find() const override;
    int majorVersion(const QString& compiler, std::stop_token stop) const override;
    CompileOutcome compile(const QString& compiler, const QString& scriptPath,
                           std::stop_token stop) const override;
};

} // namespace tembrix
