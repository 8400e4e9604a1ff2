#include "tembrix/convert/SetupListSearch.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/NativePath.h"

namespace fs = std::filesystem;

namespace tembrix::convert {

namespace {

bool isSetupListName(const fs::path& file) {
    try {
        return equalsIgnoringCase(utf8Path(file.filename()), "SETUP.LST");
    } catch (const std::exception&) {
        return false; // a name that cannot be converted is no setup list of ours
    }
}

} // namespace

std::string identityOf(const std::string& path) {
    try {
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(nativePath(path), ec);
        if (!ec)
            return utf8Path(canonical);
        const fs::path absolute = fs::absolute(nativePath(path), ec);
        return ec ? path : utf8Path(absolute.lexically_normal());
    } catch (const std::exception&) {
        return path;
    }
}

bool findSetupLists(const std::string& folder, std::vector<std::string>& found) {
    found.clear();
    std::error_code ec;
    if (!fs::is_directory(nativePath(folder), ec))
        return false;
    fs::recursive_directory_iterator it(nativePath(folder),
                                        fs::directory_options::skip_permission_denied, ec);
    bool complete = !ec;
    for (const fs::recursive_directory_iterator end; complete && it != end;) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && isSetupListName(it->path())) {
            try {
                found.push_back(utf8Path(it->path()));
            } catch (const std::exception&) {
                // a name that cannot be converted cannot be opened either
            }
        }
        it.increment(ec);
        complete = !ec;
    }
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        const std::string lowerA = lowerCased(a);
        const std::string lowerB = lowerCased(b);
        return lowerA != lowerB ? lowerA < lowerB : a < b;
    });
    return complete;
}

std::vector<std::string> withoutRepeats(const std::vector<std::string>& paths) {
    std::vector<std::string> kept;
    std::set<std::string> seen;
    for (const std::string& path : paths)
        if (seen.insert(identityOf(path)).second)
            kept.push_back(path);
    return kept;
}

} // namespace tembrix::convert
