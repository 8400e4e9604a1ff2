#include "PackageFiles.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "tembrix/platform/ArchiveReader.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/FileSystem.h"

namespace tembrix {

namespace {

using enum DiagnosticCode;

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// More links than any package has: a set whose links run in a circle stops here.
constexpr std::size_t kMostCabinets = 64;

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string withSeparator(std::string folder) {
    if (!folder.empty() && !isSeparator(folder.back()))
        folder += kSeparator;
    return folder;
}

std::string withoutSeparator(std::string folder) {
    while (folder.size() > 1 && isSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

// A list's name (Windows-1252) as a path of this machine, below some folder.
std::string pathName(std::string_view listName) {
    std::string name = utf8FromCp1252(listName);
    std::ranges::replace_if(name, isSeparator, kSeparator);
    return name;
}

// The text that a remark quotes: paths and reasons are UTF-8, remarks Windows-1252.
std::string remarkText(std::string_view utf8) {
    return isUtf8(utf8) ? cp1252FromUtf8(utf8) : std::string(utf8);
}

// A name of the disk as the list would write it, for comparing without letter
// case: Windows-1252 where it can be, lower-cased.
std::string diskKey(const std::string& diskName) {
    if (isUtf8(diskName)) {
        const std::string bytes = cp1252FromUtf8(diskName);
        if (utf8FromCp1252(bytes) == diskName)
            return lowerCased(bytes);
    }
    return lowerCased(diskName);
}

// A name that, written below a folder, would lie outside it.
bool leavesFolder(std::string_view name) {
    if (name.empty() || isSeparator(name.front()) || name.find(':') != std::string_view::npos)
        return true;
    std::size_t begin = 0;
    while (begin <= name.size()) {
        std::size_t end = begin;
        while (end < name.size() && !isSeparator(name[end]))
            ++end;
        if (name.substr(begin, end - begin) == "..")
            return true;
        begin = end + 1;
    }
    return false;
}

// One folder's names, read once and looked up without letter case, as
// Windows compares them.
class FolderIndex {
public:
    FolderIndex() = default;
    FolderIndex(const FileSystem& fileSystem, const std::string& folder)
        : m_folder(withSeparator(folder)) {
        const auto entries = fileSystem.listFolder(m_folder.empty() ? "." : m_folder);
        if (!entries)
            return;
        m_listed = true;
        for (const FolderEntry& entry : *entries)
            (entry.isFolder ? m_folders : m_files).emplace(diskKey(entry.name), entry.name);
    }

    bool listed() const { return m_listed; }
    const std::string& folder() const { return m_folder; }

    /// The path of the file that the list calls `listName`, when it is here.
    std::optional<std::string> file(std::string_view listName) const {
        const auto found = m_files.find(lowerCased(listName));
        if (found == m_files.end())
            return std::nullopt;
        return m_folder + found->second;
    }
    /// The disk's spelling of the folder `name` here, when there is one.
    std::optional<std::string> subfolder(std::string_view name) const {
        const auto found = m_folders.find(lowerCased(name));
        if (found == m_folders.end())
            return std::nullopt;
        return found->second;
    }

private:
    std::string m_folder;
    bool m_listed = false;
    std::unordered_map<std::string, std::string> m_files, m_folders;
};

// The last name of a folder path.
std::string_view lastName(std::string_view folder) {
    while (!folder.empty() && isSeparator(folder.back()))
        folder.remove_suffix(1);
    const std::size_t separator = folder.find_last_of("/\\");
    return separator == std::string_view::npos ? folder : folder.substr(separator + 1);
}

// The folder above, with its separator; empty when there is none.
std::string parentOf(const std::string& folder) {
    const std::string trimmed = withoutSeparator(folder);
    const std::size_t separator = trimmed.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : trimmed.substr(0, separator + 1);
}

bool isAbsolute(std::string_view path) {
    return (!path.empty() && isSeparator(path.front())) || (path.size() > 1 && path[1] == ':');
}

bool samePathText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isSeparator(a[i]) && isSeparator(b[i]))
            continue;
#ifdef _WIN32
        if (lowerCased(a[i]) != lowerCased(b[i]))
            return false;
#else
        if (a[i] != b[i])
            return false;
#endif
    }
    return true;
}

// `folder` as a path relative to `base` (both with their separators), with
// the script's "\"; nothing when it does not lie there or below.
std::optional<std::string> relativeTo(const std::string& folder, const std::string& base) {
    if (base.empty() ? isAbsolute(folder)
                     : folder.size() < base.size() ||
                           !samePathText(std::string_view(folder).substr(0, base.size()), base))
        return std::nullopt;
    std::string rest = folder.substr(base.size());
    std::ranges::replace(rest, '/', '\\');
    return rest;
}

class Resolver {
public:
    Resolver(ScriptModel& model, const ConversionInputs& inputs, FileSystem& fileSystem,
             const ArchiveReader& archives)
        : m_model(model), m_inputs(inputs), m_fileSystem(fileSystem), m_archives(archives),
          m_listFolder(folderOf(inputs.SetupListPath)),
          m_scriptFolder(folderOf(inputs.ScriptPath)) {}

    FileSources run() {
        collect();
        m_sources.installed = m_wanted.size();
        if (m_wanted.empty())
            return m_sources;
        const FolderIndex list(m_fileSystem, m_listFolder);
        FolderIndex support;
        if (const auto name = list.subfolder("Support"))
            support = FolderIndex(m_fileSystem, list.folder() + *name);
        m_supportName = support.listed() ? remarkText(lastName(support.folder())) : "";
        chooseExtractFolder(list, support);

        for (Wanted& wanted : m_wanted) {
            const std::string_view name = m_model.text(wanted.item->name);
            if (list.file(name)) {
                found(wanted);
                ++m_sources.inSourceFolder;
            } else if (support.listed() && support.file(name)) {
                found(wanted, support.folder());
                ++m_sources.inSupport;
            }
        }
        expandPackedFiles(list, support);
        extractFromCabinets(list);
        reportWhatIsMissing();
        reportWhereFilesCameFrom(support);
        return m_sources;
    }

private:
    struct Wanted {
        FileItem* item;
        const FileSection* section;
        std::size_t index;
        bool found = false;
    };

    void collect() {
        for (FileSection* files : {&m_model.runtimeFiles, &m_model.applicationFiles}) {
            if (files == &m_model.runtimeFiles && !m_model.includeRuntimeFiles)
                continue;
            for (std::size_t i = 0; i < files->items.size(); ++i) {
                FileItem& item = files->items[i];
                // A commented-out line installs nothing and needs no file.
                if (item.role != FileRole::CommentedOut && !item.name.empty())
                    m_wanted.push_back({&item, files, i});
            }
        }
    }

    // Beside the script unless the user chose: the package's own Support
    // folder, in its spelling, when the script lies beside the list.
    void chooseExtractFolder(const FolderIndex& list, const FolderIndex& support) {
        if (!m_inputs.ExtractFolder.empty())
            m_extractFolder = withSeparator(m_inputs.ExtractFolder);
        else if (support.listed() && samePathText(list.folder(), withSeparator(m_scriptFolder)))
            m_extractFolder = support.folder();
        else
            m_extractFolder = withSeparator(m_scriptFolder + "Support");
    }

    void report(const Wanted& wanted, DiagnosticCode code, std::vector<std::string> arguments) {
        m_model.report(wanted.section->firstOrdinal + static_cast<std::uint32_t>(wanted.index),
                       code, wanted.section->name, entryKey("File", wanted.index),
                       std::move(arguments));
    }
    void reportPackage(DiagnosticCode code, std::string_view section, std::string_view key,
                       std::vector<std::string> arguments) {
        m_model.report(ScriptModel::kLicencesOrdinal, code, section, key, std::move(arguments));
    }

    // The file lies in `folder`; none: beside the list.
    void found(Wanted& wanted, const std::string& folder = {}) {
        wanted.found = true;
        if (!folder.empty())
            wanted.item->sourceFolder = sourceFolderId(folder);
    }

    std::uint8_t sourceFolderId(const std::string& folder) {
        const auto known = m_folderIds.find(folder);
        if (known != m_folderIds.end())
            return known->second;
        m_model.sourceFolders.push_back(spell(folder));
        const auto id = static_cast<std::uint8_t>(m_model.sourceFolders.size());
        m_folderIds.emplace(folder, id);
        return id;
    }

    // How the script names a folder: relative to the script's folder when it
    // lies there, else whole; with absolute sources, the list's folder as the
    // user named it, or the whole path.
    std::string spell(const std::string& folder) {
        if (m_inputs.UseAbsoluteSource) {
            if (const auto below = relativeTo(folder, m_listFolder))
                return m_inputs.SourceFolder + scriptText(*below);
            return scriptText(folder);
        }
        if (const auto below = relativeTo(folder, m_scriptFolder))
            return scriptText(*below);
        return scriptText(folder);
    }

    std::string scriptText(const std::string& path) {
        const std::string bytes = remarkText(path);
        if (utf8FromCp1252(bytes) != path)
            reportPackage(SourceNotInCodePage, "", "", {bytes});
        return bytes;
    }

    // Writes a file taken out of an archive, never over one whose bytes
    // differ; false when it is not there afterwards.
    bool put(Wanted& wanted, std::string_view archive, std::string&& bytes) {
        const std::string_view name = m_model.text(wanted.item->name);
        const std::string path = m_extractFolder + pathName(name);
        if (m_fileSystem.fileExists(path)) {
            if (m_fileSystem.readAll(path) != bytes)
                report(wanted, ExtractedFileDiffers, {remarkText(path), std::string(archive)});
            found(wanted, m_extractFolder);
            return true;
        }
        std::unique_ptr<TextFileWriter> out;
        Status written = m_fileSystem.createFolder(folderOf(path));
        if (written)
            written = m_fileSystem.createTextFile(path, out);
        if (written && out) {
            out->write(bytes);
            written = out->commit();
        }
        if (!written || !out) {
            const std::string reason = written ? path : written.reason();
            report(wanted, ExtractWriteFailed, {remarkText(reason)});
            m_sources.failures.push_back(reason);
            return false;
        }
        found(wanted, m_extractFolder);
        return true;
    }

    // A VB5 entry's own compressed copy, beside the list or in Support.
    void expandPackedFiles(const FolderIndex& list, const FolderIndex& support) {
        for (Wanted& wanted : m_wanted) {
            const std::string_view packed = m_model.text(wanted.item->packedName);
            if (wanted.found || packed.empty())
                continue;
            auto path = list.file(packed);
            if (!path && support.listed())
                path = support.file(packed);
            if (!path)
                continue;
            const std::string_view name = m_model.text(wanted.item->name);
            if (leavesFolder(name)) {
                report(wanted, UnsafeArchiveName, {std::string(name), std::string(packed)});
                continue;
            }
            std::string bytes;
            const Status expanded = m_archives.expandCompressedFile(*path, bytes);
            if (!expanded) {
                report(wanted, ArchiveUnreadable, {remarkText(expanded.reason())});
                m_sources.failures.push_back(expanded.reason());
            } else if (put(wanted, packed, std::move(bytes))) {
                ++m_sources.extracted;
                ++m_expanded;
                m_sources.archives.push_back(utf8FromCp1252(packed));
            }
        }
    }

    // The bootstrap's cabinets: beside the list, or above it when the list
    // lies in Support; a set followed by each cabinet's link to the next.
    void extractFromCabinets(const FolderIndex& list) {
        if (m_model.cabinetFile.empty() ||
            std::ranges::all_of(m_wanted, [](const Wanted& w) { return w.found; }))
            return;
        FolderIndex above;
        const FolderIndex* folder = &list;
        auto first = list.file(m_model.cabinetFile);
        if (!first && equalsIgnoringCase(lastName(m_listFolder), "Support")) {
            above = FolderIndex(m_fileSystem, parentOf(list.folder()));
            folder = &above;
            first = above.file(m_model.cabinetFile);
        }
        if (!first)
            return;
        std::vector<std::string> set{*first};
        std::unordered_map<std::string, std::string> inSet; // lower-cased name: as stored
        std::unordered_set<std::string> seen{lowerCased(m_model.cabinetFile)};
        m_cabinetNames = {m_model.cabinetFile};
        for (;;) {
            CabinetListing listing;
            const Status listed = m_archives.listCabinet(set.back(), listing);
            if (!listed) {
                failedCabinet(listed);
                set.pop_back();
                m_cabinetNames.pop_back();
                break;
            }
            for (const CabinetFile& file : listing.files)
                inSet.emplace(lowerCased(file.name), file.name);
            if (listing.nextCabinet.empty() || set.size() >= kMostCabinets ||
                !seen.insert(lowerCased(listing.nextCabinet)).second)
                break;
            set.push_back(folder->file(listing.nextCabinet)
                              .value_or(folder->folder() + pathName(listing.nextCabinet)));
            m_cabinetNames.push_back(listing.nextCabinet);
        }
        std::vector<std::string> names;
        std::unordered_map<std::string, std::vector<Wanted*>> wantedByName;
        for (Wanted& wanted : m_wanted) {
            const std::string key = lowerCased(m_model.text(wanted.item->name));
            const auto stored = inSet.find(key);
            if (wanted.found || stored == inSet.end())
                continue;
            auto& group = wantedByName[key];
            if (group.empty())
                names.push_back(stored->second);
            group.push_back(&wanted);
        }
        if (names.empty())
            return;
        const std::string setNames = joined(m_cabinetNames);
        const Status extracted = m_archives.extractFromCabinets(
            set, names, [&](std::string_view name, std::string&& bytes) {
                const auto group = wantedByName.find(lowerCased(name));
                if (group == wantedByName.end())
                    return Status::success();
                for (Wanted* wanted : group->second) {
                    if (wanted->found)
                        continue;
                    if (leavesFolder(name) || leavesFolder(m_model.text(wanted->item->name))) {
                        report(*wanted, UnsafeArchiveName, {std::string(name), setNames});
                    } else if (put(*wanted, setNames, std::string(bytes))) {
                        ++m_sources.extracted;
                        ++m_fromCabinets;
                    }
                }
                return Status::success();
            });
        if (!extracted)
            failedCabinet(extracted);
        if (m_fromCabinets != 0)
            for (const std::string& cabinet : m_cabinetNames)
                m_sources.archives.push_back(utf8FromCp1252(cabinet));
    }

    void failedCabinet(const Status& failure) {
        reportPackage(ArchiveUnreadable, "Bootstrap", "CabFile", {remarkText(failure.reason())});
        m_sources.failures.push_back(failure.reason());
    }

    static std::string joined(const std::vector<std::string>& names) {
        std::string out;
        for (const std::string& name : names)
            out.append(out.empty() ? "" : ", ").append(name);
        return out;
    }

    void reportWhatIsMissing() {
        const auto missing =
            std::ranges::count_if(m_wanted, [](const Wanted& w) { return !w.found; });
        m_sources.missing = static_cast<std::size_t>(missing);
        if (missing == 0)
            return;
        // A list copied on its own: one remark, not one per file.
        if (m_sources.missing == m_wanted.size()) {
            reportPackage(NoFileFound, "", "", {std::to_string(m_wanted.size())});
            return;
        }
        for (const Wanted& wanted : m_wanted) {
            if (wanted.found)
                continue;
            std::vector<std::string> arguments{std::string(m_model.text(wanted.item->name))};
            if (!m_supportName.empty())
                arguments.push_back(m_supportName);
            const std::string_view packed = m_model.text(wanted.item->packedName);
            if (!packed.empty())
                arguments.emplace_back(packed);
            else if (!m_model.cabinetFile.empty())
                arguments.push_back(m_cabinetNames.empty() ? m_model.cabinetFile
                                                           : joined(m_cabinetNames));
            const DiagnosticCode code = arguments.size() == 1   ? FileNotFound
                                        : arguments.size() == 2 ? FileNotFoundInOne
                                                                : FileNotFoundInTwo;
            report(wanted, code, std::move(arguments));
        }
    }

    void reportWhereFilesCameFrom(const FolderIndex& support) {
        if (m_sources.inSupport != 0) {
            m_sources.supportFolder = support.folder();
            reportPackage(FilesTakenFromSupport, "", "",
                          {std::to_string(m_sources.inSupport), spelledFolder(support.folder())});
        }
        if (m_sources.extracted != 0)
            m_sources.extractFolder = m_extractFolder;
        if (m_fromCabinets != 0)
            reportPackage(FilesExtracted, "", "",
                          {std::to_string(m_fromCabinets), joined(m_cabinetNames),
                           spelledFolder(m_extractFolder)});
        if (m_expanded != 0)
            reportPackage(FilesExpanded, "", "",
                          {std::to_string(m_expanded), spelledFolder(m_extractFolder)});
    }

    // A folder as the script's Source names it, without its last "\".
    std::string spelledFolder(const std::string& folder) {
        return withoutSeparator(m_model.sourceFolders[sourceFolderId(folder) - 1]);
    }

    ScriptModel& m_model;
    const ConversionInputs& m_inputs;
    FileSystem& m_fileSystem;
    const ArchiveReader& m_archives;
    std::string m_listFolder;
    std::string m_scriptFolder;
    std::string m_extractFolder;
    std::string m_supportName;
    std::vector<std::string> m_cabinetNames;
    std::vector<Wanted> m_wanted;
    std::unordered_map<std::string, std::uint8_t> m_folderIds;
    std::size_t m_fromCabinets = 0;
    std::size_t m_expanded = 0;
    FileSources m_sources;
};

} // namespace

std::optional<std::string> setupListOfPackage(const std::string& path,
                                              const FileSystem& fileSystem) {
    std::string folder;
    if (fileSystem.fileExists(path)) {
        if (!equalsIgnoringCase(lastName(path), "setup.exe"))
            return std::nullopt;
        folder = folderOf(path);
    } else if (fileSystem.listFolder(path)) {
        folder = withSeparator(path);
    } else {
        return std::nullopt;
    }
    const FolderIndex package(fileSystem, folder);
    if (auto list = package.file("SETUP.LST"))
        return list;
    if (const auto support = package.subfolder("Support"))
        return FolderIndex(fileSystem, package.folder() + *support).file("SETUP.LST");
    return std::nullopt;
}

FileSources resolvePackageFiles(ScriptModel& model, const ConversionInputs& inputs,
                                FileSystem& fileSystem, const ArchiveReader& archives) {
    return Resolver(model, inputs, fileSystem, archives).run();
}

} // namespace tembrix
