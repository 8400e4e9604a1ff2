#pragma once

// Where the author of Tembrix is found: shown by both windows and opened by
// their links, whatever language their captions are in.

#include <string_view>

namespace tembrix {

inline constexpr std::string_view kAuthorSite = "https://tembrix.org";
inline constexpr std::string_view kAuthorMail = "auteur@tembrix.org";

} // namespace tembrix
