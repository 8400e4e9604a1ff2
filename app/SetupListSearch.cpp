#include "SetupListSearch.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "tembrix/platform/Cp1252.h"

namespace fs = std::filesystem;

namespace tembrix::convert {

namespace {

bool isSetupListName(const fs::path& file) {
    try {
        return equalsIgnoringCase(file.filename().string(), "SETUP.LST");
    } catch (const std::exception&) {
        return false; // a name the narrow code page cannot spell is no setup list of ours
    }
}

} // namespace

std::string IdentityOf(const std::string& path) {
    try {
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(fs::path(path), ec);
        if (!ec)
            return canonical.string();
        const fs::path absolute = fs::absolute(fs::path(path), ec);
        return ec ? path : absolute.lexically_normal().string();
    } catch (const std::exception&) {
        return path;
    }
}

bool FindSetupLists(const std::string& folder, std::vector<std::string>& found) {
    found.clear();
    std::error_code ec;
    if (!fs::is_directory(fs::path(folder), ec))
        return false;
    fs::recursive_directory_iterator it(fs::path(folder),
                                        fs::directory_options::skip_permission_denied, ec);
    bool complete = !ec;
    for (const fs::recursive_directory_iterator end; complete && it != end;) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && isSetupListName(it->path())) {
            try {
                found.push_back(it->path().string());
            } catch (const std::exception&) {
                // a name the narrow code page cannot spell cannot be converted either
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

std::vector<std::string> WithoutRepeats(const std::vector<std::string>& paths) {
    std::vector<std::string> kept;
    std::set<std::string> seen;
    for (const std::string& path : paths)
        if (seen.insert(IdentityOf(path)).second)
            kept.push_back(path);
    return kept;
}

} // namespace tembrix::convert
