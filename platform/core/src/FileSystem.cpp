#include "tembrix/platform/FileSystem.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "AtomicFile.h"
#include "tembrix/platform/NativePath.h"

namespace tembrix {

namespace fs = std::filesystem;

namespace {

class LocalTextFileWriter final : public TextFileWriter {
public:
    Status open(const std::string& path) { return m_file.open(path); }

    void write(std::string_view text) override { m_file.write(text); }
    void writeLine(std::string_view text) override {
        m_file.write(text);
        m_file.write("\r\n");
    }
    Status commit() override { return m_file.commit(); }

private:
    AtomicFile m_file;
};

class LocalFileSystem final : public FileSystem {
public:
    bool fileExists(const std::string& path) const override {
        if (path.empty())
            return false;
        std::error_code ec;
        return fs::is_regular_file(nativePath(path), ec);
    }

    std::optional<std::string> readAll(const std::string& path) const override {
        return readWholeFile(path);
    }

    Status createTextFile(const std::string& path,
                          std::unique_ptr<TextFileWriter>& writer) override {
        auto file = std::make_unique<LocalTextFileWriter>();
        Status status = file->open(path);
        if (status)
            writer = std::move(file);
        return status;
    }

    std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) const override {
        if (path.empty())
            return std::nullopt;
        std::error_code ec;
        fs::directory_iterator entries(nativePath(path), ec);
        if (ec)
            return std::nullopt;
        std::vector<FolderEntry> names;
        for (const fs::directory_iterator end; entries != end; entries.increment(ec)) {
            if (ec)
                return std::nullopt;
            std::error_code typeError;
            names.push_back(
                {utf8Path(entries->path().filename()), entries->is_directory(typeError)});
        }
        if (ec)
            return std::nullopt;
        return names;
    }

    Status createFolder(const std::string& path) override {
        if (path.empty())
            return Status::failure("an empty folder name");
        std::error_code ec;
        const fs::path native = nativePath(path);
        fs::create_directories(native, ec);
        if (!ec && fs::is_directory(native, ec))
            return Status::success();
        return Status::failure(path + ": " +
                               (ec ? ec.message() : "a file of that name is in the way"));
    }
};

} // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    std::error_code ec;
    const fs::path native = nativePath(path);
    if (!fs::is_regular_file(native, ec))
        return std::nullopt;
    std::FILE* file = openFile(native, "rb");
    if (!file)
        return std::nullopt;
    std::string content;
    const auto size = fs::file_size(native, ec);
    if (!ec && size > 0) {
        content.resize(static_cast<std::size_t>(size));
        content.resize(std::fread(content.data(), 1, content.size(), file));
    }
    // The file may have grown since its size was asked.
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return content;
}

std::unique_ptr<FileSystem> createLocalFileSystem() {
    return std::make_unique<LocalFileSystem>();
}

} // namespace tembrix
