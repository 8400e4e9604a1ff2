#include "tembrix/platform/FileSystem.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

#include <functional>

#include "OrdinaryUser.h"
#include "tembrix/platform/NativePath.h"
#include "tembrix/platform/ProfileFile.h"

using namespace tembrix;

TEST(FileSystem, ExistenceMeansARegularFile) {
    TempFolder folder;
    const auto fs = createLocalFileSystem();
    const auto file = folder.write("SETUP.LST", "[Setup]\r\n");
    EXPECT_TRUE(fs->fileExists(file));
    EXPECT_FALSE(fs->fileExists(folder.path().string()));
    EXPECT_FALSE(fs->fileExists(folder.file("missing.lst")));
    EXPECT_FALSE(fs->fileExists(""));
}

TEST(FileSystem, ReadAllGivesEveryByteOrNothing) {
    TempFolder folder;
    const auto fs = createLocalFileSystem();
    const std::string bytes("a\0b\r\nc\xE9\x1A", 8);
    EXPECT_EQ(fs->readAll(folder.write("bin", bytes)), bytes);
    EXPECT_EQ(fs->readAll(folder.write("empty", "")), std::string());
    EXPECT_FALSE(fs->readAll(folder.file("missing")).has_value());
    EXPECT_FALSE(fs->readAll(folder.path().string()).has_value());
}

TEST(FileSystem, WriterReplacesTheTargetOnlyOnCommit) {
    TempFolder folder;
    const auto fs = createLocalFileSystem();
    const auto target = folder.write("Setup.iss", "old script");
    std::unique_ptr<TextFileWriter> writer;
    ASSERT_TRUE(fs->createTextFile(target, writer).ok());
    writer->writeLine("[Setup]");
    writer->write("AppName=");
    writer->writeLine("x");
    EXPECT_EQ(TempFolder::read(target), "old script"); // untouched while writing
    ASSERT_TRUE(writer->commit().ok());
    EXPECT_EQ(TempFolder::read(target), "[Setup]\r\nAppName=x\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
#ifndef _WIN32
    // A device is written into, never replaced by a file (as root a rename could).
    ASSERT_TRUE(fs->createTextFile("/dev/null", writer).ok());
    writer->writeLine("[Setup]");
    EXPECT_TRUE(writer->commit().ok());
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
#endif
}

// Paths are UTF-8 in memory; a name outside the ANSI code page (Greek on a
// Western Windows) reaches the disk as it is, not as question marks.
TEST(FileSystem, NamesOutsideTheAnsiCodePageAreKept) {
    TempFolder folder;
    const auto fs = createLocalFileSystem();
    const std::filesystem::path onDisk = folder.path() / std::filesystem::path(u8"Donn\u00e9es") /
                                         std::filesystem::path(u8"\u03a9mega \u00e9t\u00e9.iss");
    std::filesystem::create_directory(onDisk.parent_path());
    const std::string path = utf8Path(folder.path()) + "/Donn\xC3\xA9"
                                                       "es/\xCE\xA9mega \xC3\xA9t\xC3\xA9.iss";
    EXPECT_EQ(utf8Path(nativePath(path).lexically_normal()), utf8Path(onDisk.lexically_normal()));
    std::unique_ptr<TextFileWriter> writer;
    ASSERT_TRUE(fs->createTextFile(path, writer).ok());
    writer->write("x");
    ASSERT_TRUE(writer->commit().ok());
    EXPECT_TRUE(std::filesystem::is_regular_file(onDisk));
    EXPECT_TRUE(fs->fileExists(path));
    EXPECT_EQ(fs->readAll(path), "x");
}

TEST(FileSystem, AbandonedWriterLeavesNoTraceAndAnEarlierFileIntact) {
    TempFolder folder;
    const auto fs = createLocalFileSystem();
    const auto target = folder.write("Setup.iss", "old script");
    {
        std::unique_ptr<TextFileWriter> writer;
        ASSERT_TRUE(fs->createTextFile(target, writer).ok());
        writer->writeLine(std::string(3 << 20, 'x')); // larger than the buffer
    }
    EXPECT_EQ(TempFolder::read(target), "old script");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(FileSystem, UnwritableTargetsFailWithThePathAndReason) {
    TempFolder folder;
    const auto fs = createLocalFileSystem();
    const auto aFile = folder.write("plain.txt", "x");
    for (const std::string& path : {folder.file("missing/Setup.iss"), aFile + "/Setup.iss",
                                    folder.path().string(), std::string()}) {
        std::unique_ptr<TextFileWriter> writer;
        const Status status = fs->createTextFile(path, writer);
        EXPECT_FALSE(status.ok()) << path;
        EXPECT_FALSE(status.reason().empty());
        if (!path.empty()) {
            EXPECT_NE(status.reason().find(path), std::string::npos) << status.reason();
        }
        EXPECT_EQ(writer, nullptr);
    }
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(FileSystem, WriterFollowsLinksKeepsReadOnlyFilesAndLongNames) {
    TempFolder folder;
    const auto fs = createLocalFileSystem();
    auto writeThrough = [&](const std::string& path, std::string_view text) {
        std::unique_ptr<TextFileWriter> writer;
        Status status = fs->createTextFile(path, writer);
        if (status) {
            writer->write(text);
            status = writer->commit();
        }
        return status;
    };
    // A link to the script stays a link; the file it names gets the script.
    const auto real = folder.write("real.iss", "old");
    std::error_code ec;
    std::filesystem::create_symlink(real, folder.file("link.iss"), ec);
    if (!ec) {
        ASSERT_TRUE(writeThrough(folder.file("link.iss"), "new").ok());
        EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.iss")));
        EXPECT_EQ(TempFolder::read(real), "new");
    }
    // The temporary name does not grow with the target's name.
    const std::string longName(250, 'n');
    EXPECT_TRUE(writeThrough(folder.file(longName), "x").ok());
    EXPECT_EQ(TempFolder::read(folder.file(longName)), "x");
#ifdef __linux__
    // A folder that nobody may write in, root included.
    EXPECT_FALSE(writeThrough("/proc/tembrix-test.iss", "x").ok());
#endif
}

// Both ways in which the program replaces a file: the script and a language file.
// On Windows, fs::permissions sets the read-only attribute, and mode bits do not exist.
TEST(FileSystem, ReplacedFilesKeepTheirModeAndReadOnlyFilesStay) {
    asOrdinaryUser([] {
        namespace fs = std::filesystem;
        TempFolder folder;
        const auto fileSystem = createLocalFileSystem();
        const std::pair<const char*, std::function<bool(const std::string&)>> writers[] = {
            {"script",
             [&](const std::string& path) {
                 std::unique_ptr<TextFileWriter> writer;
                 if (!fileSystem->createTextFile(path, writer))
                     return false;
                 writer->write("[Setup]\r\n");
                 return writer->commit().ok();
             }},
            {"language file",
             [](const std::string& path) { return StoreProfileString(path, "MSG", "msg1", "x"); }},
        };
        for (const auto& [what, replace] : writers) {
#ifndef _WIN32
            for (const auto mode : {fs::perms(0600), fs::perms(0755)}) {
                const auto path = folder.write("kept.txt", "old");
                fs::permissions(path, mode);
                EXPECT_TRUE(replace(path)) << what;
                EXPECT_NE(TempFolder::read(path), "old") << what;
                EXPECT_EQ(fs::status(path).permissions(), mode) << what;
            }
#endif
            const auto readOnly = folder.write("readonly.txt", "keep");
            fs::permissions(readOnly, fs::perms::owner_read);
            EXPECT_FALSE(replace(readOnly)) << what;
            EXPECT_EQ(TempFolder::read(readOnly), "keep") << what;
            fs::permissions(readOnly, fs::perms::owner_all);
            fs::remove(readOnly);
        }
        std::unique_ptr<TextFileWriter> writer;
        const auto readOnly = folder.write("readonly.iss", "keep");
        fs::permissions(readOnly, fs::perms::owner_read);
        const Status refused = fileSystem->createTextFile(readOnly, writer);
        EXPECT_NE(refused.reason().find(readOnly), std::string::npos) << refused.reason();
        const std::size_t kept = fs::exists(folder.file("kept.txt")) ? 1 : 0;
        EXPECT_EQ(folder.entryCount(), kept + 1) << "no temporary file left behind";
    });
}
