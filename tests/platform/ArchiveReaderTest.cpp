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

struct Case {
    const char* what;
    Operation operation;
    std::vector<std::string> files;
    std::vector<std::string> names;   // to extract
    const char* failureNames;         // the file that a failure names; null for success
    std::vector<std::string> results; // "name size" listed, names handed on in order
};

const Case kCases[] = {
    {"a compressed cabinet lists its folders and sizes",
     Operation::List,
     {"sample.cab"},
     {},
     nullptr,
     {"first.txt 32768", "Docs\\second.txt 1000", "Third.BIN 300"}},
    {"a stored cabinet lists",
     Operation::List,
     {"stored.cab"},
     {},
     nullptr,
     {"a.txt 100", "Docs\\second.txt 1000"}},
    {"several files in one pass, in the cabinet's order, names in any case",
     Operation::Extract,
     {"sample.cab"},
     {"THIRD.bin", "docs\\SECOND.TXT", "First.Txt"},
     nullptr,
     {"first.txt", "Docs\\second.txt", "Third.BIN"}},
    {"a name that is not there is left out",
     Operation::Extract,
     {"stored.cab"},
     {"missing.txt", "A.TXT"},
     nullptr,
     {"a.txt"}},
    {"a block that fails its checksum",
     Operation::Extract,
     {"damaged.cab"},
     {"Docs\\second.txt", "Third.BIN"},
     "damaged.cab",
     {}},
#ifndef _WIN32
    // libmspack finds the damage where the stream goes astray after it; Wine's
    // FDI expands such a block to wrong bytes of the right size without a word.
    {"a damaged block without checksum hands on nothing of its folder",
     Operation::Extract,
     {"unchecked-damaged.cab"},
     {"first.txt", "Docs\\second.txt"},
     "unchecked-damaged.cab",
     {}},
#endif
    {"cabinets that are no set",
     Operation::Extract,
     {"sample.cab", "stored.cab"},
     {"a.txt"},
     "stored.cab",
     {}},
    {"no cabinet is listed", Operation::List, {"readme.tx_"}, {}, "readme.tx_", {}},
    {"no cabinet is extracted", Operation::Extract, {"readme.tx_"}, {"a.txt"}, "readme.tx_", {}},
    {"a missing cabinet", Operation::List, {"missing.cab"}, {}, "missing.cab", {}},
    {"a compressed file expands", Operation::Expand, {"readme.tx_"}, {}, nullptr, {"readme.tx_"}},
    {"a compressed file cut short",
     Operation::Expand,
     {"readme-cut.tx_"},
     {},
     "readme-cut.tx_",
     {}},
    {"a cabinet is no compressed file", Operation::Expand, {"sample.cab"}, {}, "sample.cab", {}},
    {"a missing compressed file", Operation::Expand, {"missing.tx_"}, {}, "missing.tx_", {}},
};

} // namespace

TEST(ArchiveReader, ReadsWhatIsWholeAndRefusesTheRest) {
    const auto reader = createSystemArchiveReader();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> paths;
        for (const std::string& file : c.files)
            paths.push_back(data(file));
        std::vector<std::string> results;
        Status status = Status::success();
        if (c.operation == Operation::List) {
            CabinetListing listing;
            status = reader->listCabinet(paths.front(), listing);
            for (const CabinetFile& file : listing.files) {
                results.push_back(file.name + ' ' + std::to_string(file.size));
                EXPECT_FALSE(file.fromPrevious || file.intoNext);
            }
            EXPECT_EQ(listing.nextCabinet + listing.previousCabinet, "");
        } else if (c.operation == Operation::Extract) {
            status = reader->extractFromCabinets(paths, c.names,
                                                 [&](std::string_view name, std::string&& bytes) {
                                                     results.emplace_back(name);
                                                     EXPECT_EQ(bytes, expected(name)) << name;
                                                     return Status::success();
                                                 });
        } else {
            std::string bytes;
            status = reader->expandCompressedFile(paths.front(), bytes);
            if (status) {
                results.push_back(c.files.front());
                EXPECT_EQ(bytes, expected(c.files.front()));
            }
        }
        EXPECT_EQ(status.ok(), c.failureNames == nullptr) << status.reason();
        if (c.failureNames) {
            EXPECT_NE(status.reason().find(c.failureNames), std::string::npos) << status.reason();
        }
        EXPECT_EQ(results, c.results);
    }
}

TEST(ArchiveReader, AFailureOfTheReceiverStopsThePass) {
    int calls = 0;
    const Status status = createSystemArchiveReader()->extractFromCabinets(
        {data("sample.cab")}, {"first.txt", "Third.BIN"}, [&](std::string_view, std::string&&) {
            ++calls;
            return Status::failure("disk full");
        });
    EXPECT_EQ(status.reason(), "disk full");
    EXPECT_EQ(calls, 1);
}

TEST(ArchiveReader, ReadsFilesWhoseNamesTheAnsiCodePageLacks) {
    TempFolder folder;
    const std::string place = utf8Path(folder.path()) + "/\xCE\xA9mega \xC3\xA9t\xC3\xA9";
    std::filesystem::copy_file(nativePath(data("sample.cab")), nativePath(place + ".cab"));
    std::filesystem::copy_file(nativePath(data("readme.tx_")), nativePath(place + ".tx_"));
    const auto reader = createSystemArchiveReader();
    CabinetListing listing;
    EXPECT_TRUE(reader->listCabinet(place + ".cab", listing).ok());
    EXPECT_EQ(listing.files.size(), 3u);
    std::string bytes;
    EXPECT_TRUE(reader
                    ->extractFromCabinets({place + ".cab"}, {"third.bin"},
                                          [&](std::string_view, std::string&& third) {
                                              bytes = third;
                                              return Status::success();
                                          })
                    .ok());
    EXPECT_EQ(bytes, expected("third.bin"));
    EXPECT_TRUE(reader->expandCompressedFile(place + ".tx_", bytes).ok());
    EXPECT_EQ(bytes, expected("readme.tx_"));
}
