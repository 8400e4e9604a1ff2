#pragma once

// Small rules of the script's text that the mends and the writers share.

#include <optional>
#include <string>
#include <string_view>

namespace tembrix {

/// The part of a name after its last "\".
std::string_view baseNameOf(std::string_view name);

/// The folder below {app} that a translated destination names, without the
/// separators around it ("" for {app} itself); nothing for other folders.
std::optional<std::string_view> belowApplicationFolder(std::string_view destination);

/// A parameter value as the script needs it: a value that holds ";" or a
/// quote is quoted, its quotes doubled.
std::string parameterValue(std::string_view text);

} // namespace tembrix
