#include "ScriptText.h"

namespace tembrix {

std::string_view baseNameOf(std::string_view name) {
    const std::size_t slash = name.rfind('\\');
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

std::optional<std::string_view> belowApplicationFolder(std::string_view destination) {
    constexpr std::string_view kApp = "{app}";
    if (!destination.starts_with(kApp))
        return std::nullopt;
    destination.remove_prefix(kApp.size());
    if (!destination.empty() && destination.front() != '\\')
        return std::nullopt;
    while (!destination.empty() && destination.front() == '\\')
        destination.remove_prefix(1);
    while (!destination.empty() && destination.back() == '\\')
        destination.remove_suffix(1);
    return destination;
}

std::string parameterValue(std::string_view text) {
    if (text.find_first_of(";\"") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

} // namespace tembrix
