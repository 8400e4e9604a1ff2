#pragma once

#include <string>
#include <string_view>

namespace tembrix {

/// Replaces the setup list's folder macros by Inno Setup constants
/// ("$(AppPath)" -> "{app}", "$(WinSysPath)" -> "{sys}",
/// "$(CommonFilesSys)" -> "{cf}\System", ...). Macros match
/// only in full and in exact letter case; any other text is kept as it is.
std::string TranslateFolderMacros(std::string_view text);

/// The Inno Setup flag word, with its trailing blank, for a registration macro
/// compared as a whole without letter case: "regserver " for
/// $(DLLSelfRegister) and $(DLLSelfRegisterEx), "regtypelib " for
/// $(TLBRegister), else the empty text.
std::string_view RegistrationFlag(std::string_view text);

} // namespace tembrix
