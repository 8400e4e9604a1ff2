#include "tembrix/platform/ArchiveReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TempFolder.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/NativePath.h"

using namespace tembrix;

// The files of tests/data/archives were made once with Debian's tools:
//   gcab -c -z sample.cab first.txt Docs/second.txt Third.BIN  (MSZIP, one folder, two blocks)
//   gcab -c stored.cab a.txt Docs/second.txt                   (stored)
//   mscompress readme.txt, renamed readme.tx_                 (SZDD)
// damaged.cab is sample.cab with bytes 620-629 (second block) xored with 0x55;
// unchecked-damaged.cab is damaged.cab with that block's checksum zeroed;
// readme-cut.tx_ is the first 300 bytes of readme.tx_. The texts are `lines`.

namespace {

std::string lines(const char* prefix, std::size_t size) {
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += std::string(prefix) + ' ' + (i % 100 < 10 ? "0" : "") + std::to_string(i % 100) +
                "\r\n";
    return text.substr(0, size);
}

std::string expected(std::string_view name) {
    static const std::map<std::string, std::string> contents = [] {
        std::string binary;
        for (int i = 0; i < 300; ++i)
            binary += static_cast<char>(i * 7 % 256);
        return std::map<std::string, std::string>{{"first.txt", lines("first", 32768)},
                                                  {"docs\\second.txt", lines("second", 1000)},
                                                  {"third.bin", binary},
                                                  {"a.txt", lines("stored", 100)},
                                                  {"readme.tx_", lines("readme", 2000)}};
    }();
    const auto found = contents.find(lowerCased(name));
    return found == contents.end() ? "(unknown)" : found->second;
}

std::string data(const std::string& name) {
    return std::string(TEMBRIX_TEST_DATA_DIR) + "/archives/" + name;
}

enum class Operation { List, Extract, Expand };
using enum Operation;

// The lists of a row are texts with "|" between their items.
std::vector<std::string> items(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t begin = 0; begin < text.size(); begin = out.back().size() + begin + 1)
        out.emplace_back(text.substr(begin, text.find('|', begin) - begin));
    return out;
}

struct Case {
    const char* what;
    Operation operation;
    const char* files;
    const char* names;        // to extract
    const char* failureNames; // the file that a failure names; null for success
    const char* results;      // "name size" listed, names handed on in order
};

const Case kCases[] = {
    {"a compressed cabinet", List, "sample.cab", "", nullptr,
     "first.txt 32768|Docs\\second.txt 1000|Third.BIN 300"},
    {"a stored cabinet", List, "stored.cab", "", nullptr, "a.txt 100|Docs\\second.txt 1000"},
    {"one pass, in the cabinet's order, names in any case", Extract, "sample.cab",
     "THIRD.bin|docs\\SECOND.TXT|First.Txt", nullptr, "first.txt|Docs\\second.txt|Third.BIN"},
    {"a name that is not there is left out", Extract, "stored.cab", "missing.txt|A.TXT", nullptr,
     "a.txt"},
    {"a block that fails its checksum", Extract, "damaged.cab", "Docs\\second.txt|Third.BIN",
     "damaged.cab", ""},
#ifndef _WIN32
    // libmspack finds the damage where the stream goes astray after it; Wine's
    // FDI expands such a block to wrong bytes of the right size without a word.
    {"a damaged block without checksum hands on nothing of its folder", Extract,
     "unchecked-damaged.cab", "first.txt|Docs\\second.txt", "unchecked-damaged.cab", ""},
#endif
    {"cabinets that are no set", Extract, "sample.cab|stored.cab", "a.txt", "stored.cab", ""},
    {"no cabinet is listed", List, "readme.tx_", "", "readme.tx_", ""},
    {"no cabinet is extracted", Extract, "readme.tx_", "a.txt", "readme.tx_", ""},
    {"a missing cabinet", List, "missing.cab", "", "missing.cab", ""},
    {"a compressed file expands", Expand, "readme.tx_", "", nullptr, "readme.tx_"},
    {"a compressed file cut short", Expand, "readme-cut.tx_", "", "readme-cut.tx_", ""},
    {"a cabinet is no compressed file", Expand, "sample.cab", "", "sample.cab", ""},
    {"a missing compressed file", Expand, "missing.tx_", "", "missing.tx_", ""},
};

} // namespace

// The files are read from a folder whose name the ANSI code page lacks, as the
// reader must open every file by its wide name on Windows.
TEST(ArchiveReader, ReadsWhatIsWholeAndRefusesTheRest) {
    TempFolder folder;
    const std::string place = utf8Path(folder.path()) + "/\xCE\xA9mega \xC3\xA9t\xC3\xA9";
    std::filesystem::copy(nativePath(TEMBRIX_TEST_DATA_DIR "/archives"), nativePath(place));
    const auto reader = createSystemArchiveReader();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> paths;
        for (const std::string& file : items(c.files))
            paths.push_back(place + "/" + file);
        std::vector<std::string> results;
        Status status = Status::success();
        if (c.operation == List) {
            CabinetListing listing;
            status = reader->listCabinet(paths.front(), listing);
            for (const CabinetFile& file : listing.files) {
                results.push_back(file.name + ' ' + std::to_string(file.size));
                EXPECT_FALSE(file.fromPrevious || file.intoNext);
            }
            EXPECT_EQ(listing.nextCabinet + listing.previousCabinet, "");
        } else if (c.operation == Extract) {
            status = reader->extractFromCabinets(paths, items(c.names),
                                                 [&](std::string_view name, std::string&& bytes) {
                                                     results.emplace_back(name);
                                                     EXPECT_EQ(bytes, expected(name)) << name;
                                                     return Status::success();
                                                 });
        } else {
            std::string bytes;
            status = reader->expandCompressedFile(paths.front(), bytes);
            if (status) {
                results.emplace_back(c.files);
                EXPECT_EQ(bytes, expected(c.files));
            }
        }
        EXPECT_EQ(status.ok(), c.failureNames == nullptr) << status.reason();
        if (c.failureNames) {
            EXPECT_NE(status.reason().find(c.failureNames), std::string::npos) << status.reason();
        }
        EXPECT_EQ(results, items(c.results));
    }

    // A failure of the receiver stops the pass.
    int calls = 0;
    const Status stopped = reader->extractFromCabinets(
        {data("sample.cab")}, {"first.txt", "Third.BIN"}, [&](std::string_view, std::string&&) {
            ++calls;
            return Status::failure("disk full");
        });
    EXPECT_EQ(stopped.reason(), "disk full");
    EXPECT_EQ(calls, 1);
}
