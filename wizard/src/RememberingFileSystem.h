#pragma once

// The wizard's file system: the machine's (or a test's), and a memory of what
// this run wrote, so that Finish can tell its own script from one the user has
// changed since, without reading back what it has just written.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "tembrix/platform/FileSystem.h"

namespace tembrix {

class RememberingFileSystem final : public FileSystem {
public:
    explicit RememberingFileSystem(std::unique_ptr<FileSystem> inner) : m_inner(std::move(inner)) {}

    bool fileExists(const std::string& path) const override { return m_inner->fileExists(path); }
    std::optional<std::string> readAll(const std::string& path) const override {
        return m_inner->readAll(path);
    }
    std::optional<std::string> readAllExplained(const std::string& path,
                                                std::string& reason) const override {
        return m_inner->readAllExplained(path, reason);
    }
    Status createTextFile(const std::string& path,
                          std::unique_ptr<TextFileWriter>& writer) override {
        m_written.erase(path);
        std::unique_ptr<TextFileWriter> inner;
        const Status created = m_inner->createTextFile(path, inner);
        if (created && inner)
            writer = std::make_unique<Writer>(*this, path, std::move(inner));
        return created;
    }

    std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) const override {
        return m_inner->listFolder(path);
    }
    Status createFolder(const std::string& path) override { return m_inner->createFolder(path); }

    /// True when the file at `path` still holds exactly what this run last wrote there.
    bool holdsWhatWasWritten(const std::string& path) const {
        const auto written = m_written.find(path);
        if (written == m_written.end())
            return false;
        const auto bytes = m_inner->readAll(path);
        return bytes && fingerprintOf(*bytes) == written->second;
    }

private:
    // FNV-1a over the bytes, and their count: an edit that keeps both is not
    // a thing a person makes by chance.
    struct Fingerprint {
        std::uint64_t hash = 0xcbf29ce484222325ULL;
        std::uint64_t size = 0;
        void add(std::string_view bytes) {
            for (char c : bytes)
                hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
            size += bytes.size();
        }
        bool operator==(const Fingerprint&) const = default;
    };
    static Fingerprint fingerprintOf(std::string_view bytes) {
        Fingerprint fingerprint;
        fingerprint.add(bytes);
        return fingerprint;
    }

    class Writer final : public TextFileWriter {
    public:
        Writer(RememberingFileSystem& owner, std::string path,
               std::unique_ptr<TextFileWriter> inner)
            : m_owner(owner), m_path(std::move(path)), m_inner(std::move(inner)) {}
        void write(std::string_view text) override {
            m_fingerprint.add(text);
            m_inner->write(text);
        }
        void writeLine(std::string_view text) override {
            m_fingerprint.add(text);
            m_fingerprint.add("\r\n");
            m_inner->writeLine(text);
        }
        Status commit() override {
            Status committed = m_inner->commit();
            if (committed)
                m_owner.m_written[m_path] = m_fingerprint;
            return committed;
        }

    private:
        RememberingFileSystem& m_owner;
        std::string m_path;
        std::unique_ptr<TextFileWriter> m_inner;
        Fingerprint m_fingerprint;
    };

    std::unique_ptr<FileSystem> m_inner;
    std::map<std::string, Fingerprint> m_written;
};

} // namespace tembrix
