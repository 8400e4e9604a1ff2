#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder() {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() /
                 ("tembrix-test-" + std::to_string(device()) + std::to_string(device()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    // With the platform's own separators, as the programs show and compare paths.
    std::string file(const std::string& name) const {
        return (m_path / name).make_preferred().string();
    }
    const std::filesystem::path& path() const { return m_path; }

    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        return buffer.str();
    }
    std::size_t entryCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_path))
            ++count;
        return count;
    }

private:
    std::filesystem::path m_path;
};
