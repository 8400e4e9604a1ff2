#include "tembrix/platform/FileSystem.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

#ifndef _WIN32
#include <unistd.h>
#endif

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
#ifndef _WIN32
    if (::geteuid() != 0) { // root may replace any file
        const auto readOnly = folder.write("readonly.iss", "keep");
        std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
        const Status status = writeThrough(readOnly, "lost");
        EXPECT_FALSE(status.ok());
        EXPECT_NE(status.reason().find(readOnly), std::string::npos);
        EXPECT_EQ(TempFolder::read(readOnly), "keep");
    }
#endif
#ifdef __linux__
    // A folder that nobody may write in, root included.
    EXPECT_FALSE(writeThrough("/proc/tembrix-test.iss", "x").ok());
#endif
}
