#pragma once

// Where the author of Tembrix is found: shown by both windows and opened by
// their links, whatever language their captions are in.

#include "tembrix/platform/ProgramIdentity.h"

namespace tembrix {

inline constexpr std::string_view kAuthorSite = kProgramSite;
inline constexpr std::string_view kAuthorMail = kProgramMail;

} // namespace tembrix
