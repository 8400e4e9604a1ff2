#pragma once

// A file system held in a map, for tests and fuzz targets that need no disk.

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tembrix/platform/FileSystem.h"

class MemoryFileSystem final : public tembrix::FileSystem {
public:
    class Writer final : public tembrix::TextFileWriter {
    public:
        Writer(MemoryFileSystem& owner, std::string path)
            : m_owner(owner), m_path(std::move(path)) {}
        void write(std::string_view text) override { m_text.append(text); }
        void writeLine(std::string_view text) override { m_text.append(text).append("\r\n"); }
        tembrix::Status commit() override {
            m_owner.files[m_path] = m_text;
            return tembrix::Status::success();
        }

    private:
        MemoryFileSystem& m_owner;
        std::string m_path;
        std::string m_text;
    };

    // "/" and "\\" name the same file, so that code that joins names with
    // Windows' separator finds the files as the tests name them.
    static std::string keyOf(std::string path) {
        std::ranges::replace(path, '\\', '/');
        return path;
    }
    struct SeparatorsAlike {
        bool operator()(const std::string& a, const std::string& b) const {
            return keyOf(a) < keyOf(b);
        }
    };

    bool fileExists(const std::string& path) const override { return files.count(path) != 0; }
    std::optional<std::string> readAll(const std::string& path) const override {
        const auto found = files.find(path);
        return found == files.end() ? std::nullopt : std::optional(found->second);
    }
    tembrix::Status createTextFile(const std::string& path,
                                   std::unique_ptr<tembrix::TextFileWriter>& writer) override {
        writer = std::make_unique<Writer>(*this, path);
        return tembrix::Status::success();
    }

    // A folder is there when a file lies in it or it was made.
    std::optional<std::vector<tembrix::FolderEntry>>
    listFolder(const std::string& path) const override {
        std::string prefix = keyOf(path);
        if (!prefix.ends_with('/'))
            prefix += '/';
        std::map<std::string, bool> names; // each name below it, and whether it is a folder
        const auto add = [&](const std::string& named, bool isFolder) {
            const std::string full = keyOf(named);
            if (full.size() > prefix.size() && full.starts_with(prefix)) {
                const std::size_t end = full.find('/', prefix.size());
                names[full.substr(prefix.size(), end - prefix.size())] |=
                    isFolder || end != std::string::npos;
            }
        };
        for (const auto& [file, bytes] : files)
            add(file, false);
        for (const std::string& folder : folders)
            add(folder, true);
        if (path.empty() || (names.empty() && !folders.contains(path)))
            return std::nullopt;
        std::vector<tembrix::FolderEntry> entries;
        for (const auto& [name, isFolder] : names)
            entries.push_back({name, isFolder});
        return entries;
    }
    tembrix::Status createFolder(const std::string& path) override {
        folders.insert(path);
        return tembrix::Status::success();
    }

    std::map<std::string, std::string, SeparatorsAlike> files;
    std::set<std::string, SeparatorsAlike> folders;
};
