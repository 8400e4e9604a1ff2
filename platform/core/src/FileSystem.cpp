#include "tembrix/platform/FileSystem.h"

#include <cerrno>
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

// The first reason for nothing read: an errno value, or kNotRegular.
constexpr int kNotRegular = -1;

std::optional<std::string> readWhole(const std::string& path, int& error) {
    error = ENOENT;
    if (path.empty())
        return std::nullopt;
    std::error_code ec;
    const fs::path native = nativePath(path);
    if (!fs::is_regular_file(native, ec)) {
        if (fs::is_directory(native, ec))
            error = EISDIR;
        else if (fs::exists(native, ec))
            error = kNotRegular;
        else if (ec && ec != std::errc::no_such_file_or_directory)
            error = ec.value();
        return std::nullopt;
    }
    errno = 0;
    std::FILE* file = openFile(native, "rb");
    if (!file) {
        error = errno ? errno : EACCES;
        return std::nullopt;
    }
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
    error = errno ? errno : EIO;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return content;
}

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

    std::optional<std::string> readAllExplained(const std::string& path,
                                                std::string& reason) const override {
        int error = 0;
        std::optional<std::string> content = readWhole(path, error);
        if (!content)
            reason = error == kNotRegular ? "not a regular file"
                                          : std::generic_category().message(error);
        return content;
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

std::optional<std::string> FileSystem::readAllExplained(const std::string& path,
                                                        std::string& reason) const {
    std::optional<std::string> content = readAll(path);
    if (!content)
        reason = fileExists(path) ? "the file cannot be read" : "no such file";
    return content;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    int error = 0;
    return readWhole(path, error);
}

std::unique_ptr<FileSystem> createLocalFileSystem() {
    return std::make_unique<LocalFileSystem>();
}

} // namespace tembrix
