// The profile reader on any bytes: parse, then look up names taken from the
// input itself, so that lookups also find what is there.

#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "tembrix/platform/ProfileFile.h"

namespace {

// Section names from "[...]" lines, keys from the text before "=", and a few
// raw line starts, so that blanks, case and NUL bytes around names take part.
void collectNames(std::string_view text, std::vector<std::string>& sections,
                  std::vector<std::string>& keys) {
    std::size_t begin = 0;
    while (begin <= text.size() && sections.size() + keys.size() < 64) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(begin, end - begin);
        if (const auto open = line.find('['); open != std::string_view::npos) {
            const auto close = line.rfind(']');
            sections.emplace_back(line.substr(open + 1, close == std::string_view::npos
                                                            ? std::string_view::npos
                                                            : close - open - 1));
        }
        keys.emplace_back(line.substr(0, line.find('=')));
        begin = end + 1;
    }
    sections.emplace_back("");
    keys.emplace_back("");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    collectNames(bytes, sections, keys);

    const auto index = tembrix::ProfileIndex::parse(bytes);
    const std::string_view fallback = "<none>";
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            const std::string value = index.read(section, key, fallback);
            fuzz::require(index.view(section, key, fallback) == value, "view differs from read");
            fuzz::require(value.size() <= tembrix::kProfileValueLimit, "value longer than the cut");
            if (!index.contains(section, key))
                fuzz::require(value == fallback, "a missing key gives the default");
        }
    }
    return 0;
}
