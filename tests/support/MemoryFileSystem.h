#pragma once

// A file system held in a map, for tests and fuzz targets that need no disk.

#include <map>
#include <memory>
#include <optional>
#include <string>

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

    bool fileExists(const std::string& path) const override { return files.count(path) != 0; }
    std::optional<std::string> readAll(const std::string& path) const override {
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return found->second;
    }
    tembrix::Status createTextFile(const std::string& path,
                                   std::unique_ptr<tembrix::TextFileWriter>& writer) override {
        writer = std::make_unique<Writer>(*this, path);
        return tembrix::Status::success();
    }

    std::map<std::string, std::string> files;
};
