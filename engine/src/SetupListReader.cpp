#include "SetupListReader.h"

#include <algorithm>
#include <iterator>

#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

namespace {

// "File1", "File2", ...: the number counted in place, as a walk asks for one
// key after the other.
class NumberedKey {
public:
    explicit NumberedKey(std::string_view prefix) : m_text(prefix), m_prefix(prefix.size()) {
        m_text += '1';
    }
    std::string_view text() const { return m_text; }
    void next() {
        for (std::size_t at = m_text.size(); at-- > m_prefix;) {
            if (m_text[at] != '9') {
                ++m_text[at];
                return;
            }
            m_text[at] = '0';
        }
        m_text.insert(m_prefix, 1, '1');
    }

private:
    std::string m_text;
    std::size_t m_prefix;
};

// Fields 0 to 3 of a File<n> value, split at every comma: there is no quoting
// or escaping, fields are not trimmed, and field 4 and later are not looked at.
struct FileFields {
    std::string_view field[4];
    std::size_t count = 0; ///< how many fields the value has, at most 4
};

FileFields splitFileFields(std::string_view value) {
    FileFields fields;
    std::size_t begin = 0;
    while (fields.count < 4) {
        const std::size_t comma = value.find(',', begin);
        fields.field[fields.count++] =
            value.substr(begin, comma == std::string_view::npos ? comma : comma - begin);
        if (comma == std::string_view::npos)
            break;
        begin = comma + 1;
    }
    return fields;
}

// A VB5 entry: disk, split marker, compressed name, installed name,
// destination, registration, shared marker, date, size, version, then texts
// in double quotes, of which the last two declare a shortcut: its title and
// the program it starts. The quoted texts may hold commas.
struct Vb5Fields {
    static constexpr std::size_t kMost = 16;
    std::string_view field[kMost];
    std::size_t count = 0;
};

Vb5Fields splitVb5Fields(std::string_view value) {
    Vb5Fields fields;
    std::size_t begin = 0;
    while (fields.count < Vb5Fields::kMost) {
        std::size_t end = value.find(',', begin);
        std::string_view field =
            value.substr(begin, end == std::string_view::npos ? end : end - begin);
        if (value.substr(begin).starts_with('"')) {
            // To the quote that a comma or the end follows.
            std::size_t close = value.find('"', begin + 1);
            while (close != std::string_view::npos && close + 1 < value.size() &&
                   value[close + 1] != ',')
                close = value.find('"', close + 1);
            if (close != std::string_view::npos) {
                field = value.substr(begin + 1, close - begin - 1);
                end = close + 1 < value.size() ? close + 1 : std::string_view::npos;
            }
        }
        fields.field[fields.count++] = field;
        if (end == std::string_view::npos)
            break;
        begin = end + 1;
    }
    return fields;
}

constexpr std::string_view kNotAList =
    ": not a setup list: it has no [Setup1 Files], [Bootstrap Files], [IconGroups] or [Setup] "
    "Title of the Package and Deployment Wizard, nor the [Files] of the VB5 Setup Wizard";

constexpr std::string_view kRuntimeSection = "Bootstrap Files";
constexpr std::string_view kApplicationSection = "Setup1 Files";
constexpr std::string_view kVb5RuntimeSection = "BootStrap";
constexpr std::string_view kVb5ApplicationSection = "Files";
constexpr std::string_view kApplicationFolder = "$(AppPath)\\";

// Which layout the list has, if any. A section counts even when it is empty;
// a list may hold no more than its [Setup] title. An Inno Setup script has
// [Setup] and [Files] sections too, but none of these keys.
std::optional<ListLayout> layoutOf(const ProfileIndex& list) {
    for (std::string_view section :
         {kRuntimeSection, kApplicationSection, std::string_view("IconGroups")})
        if (list.sectionCount(section) != 0)
            return ListLayout::PackageWizard;
    if (list.sectionCount(kVb5ApplicationSection) != 0 &&
        (list.sectionCount(kVb5RuntimeSection) != 0 ||
         list.contains(kVb5ApplicationSection, "File1")))
        return ListLayout::Vb5SetupWizard;
    if (list.contains("Setup", "Title") || list.contains("Setup", "DefaultDir"))
        return ListLayout::PackageWizard;
    return std::nullopt;
}

class ListReader {
public:
    ListReader(const ProfileIndex& list, ScriptModel& model)
        : m_list(list), m_bytes(list.bytes()), m_model(model) {}

    void readSetup() {
        m_model.hasSetupSection = m_list.sectionCount("Setup") != 0;
        m_model.title = value("Setup", "Title", m_model.titleUnderLaterHeader);
        m_model.defaultDir = value("Setup", "DefaultDir", m_model.defaultDirUnderLaterHeader);
    }

    void readFiles(std::string_view section, FileSection& files) {
        walkFiles(section, files, [&](std::string_view value, FileItem& item) {
            const FileFields fields = splitFileFields(value);
            item.name = nameOf(fields.field[0]);
            item.destination = ref(fields.field[1]);
            item.registration = ref(fields.field[2]);
            item.sharedMarker = !fields.field[3].empty();
            item.fieldCount = static_cast<std::uint8_t>(fields.count);
        });
    }

    // The same for a VB5 section; the shortcuts that the entries of [Files]
    // declare go into `shortcuts`.
    void readVb5Files(std::string_view section, FileSection& files, IconGroup* shortcuts) {
        walkFiles(section, files, [&](std::string_view value, FileItem& item) {
            const Vb5Fields fields = splitVb5Fields(value);
            const auto field = [&fields](std::size_t n) {
                return n < fields.count ? fields.field[n] : std::string_view();
            };
            item.packedName = ref(field(2));
            item.name = ref(field(3));
            item.destination = ref(field(4));
            item.registration = ref(field(5));
            item.sharedMarker = !field(6).empty();
            item.fieldCount =
                static_cast<std::uint8_t>(std::clamp<std::size_t>(fields.count, 4, 7) - 3);
            if (shortcuts && fields.count >= 12 && !fields.field[fields.count - 1].empty())
                addShortcut(*shortcuts, fields.field[fields.count - 2],
                            fields.field[fields.count - 1], files.items.size());
        });
    }

    // [Setup] DefProgramGroup names the one group of a VB5 list.
    IconGroup& addVb5Group() {
        IconGroup& group = m_model.iconGroups.emplace_back();
        group.key = "Group0";
        group.name = value("Setup", "DefProgramGroup", group.underLaterHeader);
        return group;
    }

    // Group0, Group1, ... up to the first missing one, each with its section.
    void readIconGroups() {
        for (std::size_t n = 0;; ++n) {
            IconGroup group;
            group.key = "Group" + std::to_string(n);
            group.name = value("IconGroups", group.key, group.underLaterHeader);
            // Group0 names the script's group even when it is empty.
            if (group.name.empty() && n != 0)
                return;
            readIcons(group);
            m_model.iconGroups.push_back(std::move(group));
        }
    }

    void readLicences() {
        for (NumberedKey key("License"); !m_list.view("Licenses", key.text(), "").empty();
             key.next())
            ++m_model.licenceCount;
    }

private:
    // File1, File2, ... of `section` up to the first missing one, each read
    // into a new item of `files` by `readEntry(value, item)`.
    template <typename ReadEntry>
    void walkFiles(std::string_view section, FileSection& files, ReadEntry&& readEntry) {
        files.name = section;
        const bool repeated = m_list.sectionCount(section) > 1;
        // Room for every line of the section at once, so that a list of a
        // million files is held once, not grown by doubling.
        files.items.reserve(m_list.keyCount(section));
        for (NumberedKey key("File");; key.next()) {
            const std::string_view value = m_list.view(section, key.text(), "");
            if (value.empty())
                break;
            FileItem& item = files.items.emplace_back();
            readEntry(value, item);
            item.underLaterHeader = repeated && m_list.foundUnderLaterHeader(section, key.text());
        }
    }

    // The program is named from the application's folder, as an Icon<n> is,
    // and the shortcut starts in the program's own folder, as a user expects.
    void addShortcut(IconGroup& group, std::string_view title, std::string_view program,
                     std::size_t fileEntry) {
        IconItem& icon = group.items.emplace_back();
        icon.caption = ref(title);
        icon.fileEntry = static_cast<std::uint32_t>(fileEntry);
        const std::size_t slash = program.rfind('\\');
        if (slash != std::string_view::npos)
            icon.workingFolder = ref(program.substr(0, slash));
        if (program.size() > kApplicationFolder.size() &&
            equalsIgnoringCase(program.substr(0, kApplicationFolder.size()), kApplicationFolder))
            program.remove_prefix(kApplicationFolder.size());
        icon.programFile = ref(program);
    }

    void readIcons(IconGroup& group) {
        const std::string_view section = m_bytes.substr(group.name.offset, group.name.length);
        const bool repeated = m_list.sectionCount(section) > 1;
        for (std::size_t i = 0;; ++i) {
            const std::string key = entryKey("Icon", i);
            const TextRef programFile = ref(m_list.view(section, key, ""));
            if (programFile.empty())
                break;
            IconItem& icon = group.items.emplace_back();
            icon.programFile = programFile;
            icon.underLaterHeader[0] = repeated && m_list.foundUnderLaterHeader(section, key);
            icon.caption = value(section, entryKey("Title", i), icon.underLaterHeader[1]);
            icon.workingFolder = value(section, entryKey("StartIn", i), icon.underLaterHeader[2]);
        }
    }

    // A value of the list, and whether a reader that stops at the first
    // header of the section's name would miss it.
    TextRef value(std::string_view section, std::string_view key, bool& underLaterHeader) {
        underLaterHeader =
            m_list.sectionCount(section) > 1 && m_list.foundUnderLaterHeader(section, key);
        return ref(m_list.view(section, key, ""));
    }

    TextRef ref(std::string_view text) const {
        if (text.empty())
            return {};
        return {static_cast<std::uint32_t>(text.data() - m_bytes.data()),
                static_cast<std::uint16_t>(text.size()), false};
    }

    // Field 0 without any "@": the list marks names with a leading one, so
    // only a name with "@" further in needs a text of its own.
    TextRef nameOf(std::string_view field) {
        std::size_t marks = 0;
        while (marks < field.size() && field[marks] == '@')
            ++marks;
        field.remove_prefix(marks);
        if (field.find('@') == std::string_view::npos)
            return ref(field);
        const std::size_t offset = m_model.madeBytes.size();
        std::ranges::remove_copy(field, std::back_inserter(m_model.madeBytes), '@');
        return {static_cast<std::uint32_t>(offset),
                static_cast<std::uint16_t>(m_model.madeBytes.size() - offset), true};
    }

    const ProfileIndex& m_list;
    std::string_view m_bytes;
    ScriptModel& m_model;
};

// The package's first cabinet and how many there are, from the bootstrap's
// own section, so that the files can be found in them.
void readCabinets(const ProfileIndex& list, ScriptModel& model) {
    model.cabinetFile = list.read("Bootstrap", "CabFile", "");
    const std::string count = list.read("Bootstrap", "Cabs", "");
    std::uint32_t value = 0;
    for (const char digit : count) {
        if (digit < '0' || digit > '9' || value > 9999)
            break;
        value = value * 10 + static_cast<std::uint32_t>(digit - '0');
    }
    model.cabinetCount = value;
}

std::optional<std::string> readLines(const FileSystem& fileSystem, const std::string& path) {
    if (path.empty())
        return std::nullopt;
    return fileSystem.readAll(path);
}

} // namespace

Status readScriptModel(const ConversionInputs& inputs, const FileSystem& fileSystem,
                       ScriptModel& model, ConversionFailure& failure) {
    model.dialect = inputs.dialect;
    model.version = inputs.Version;
    model.outputDir = inputs.OutputDir;
    model.installerName = inputs.installerName;
    model.sourcePrefix = inputs.UseAbsoluteSource ? inputs.SourceFolder : std::string();
    model.includeRuntimeFiles = inputs.IncludeRuntimeFiles;
    model.addExtraLines = inputs.AddExtraLines;
    {
        std::string reason;
        auto bytes = fileSystem.readAllExplained(inputs.SetupListPath, reason);
        if (!bytes) {
            failure = ConversionFailure::ListUnreadable;
            return Status::failure(inputs.SetupListPath + ": cannot be read: " + reason);
        }
        ProfileIndex list = ProfileIndex::parse(std::move(*bytes));
        bytes.reset();
        const std::optional<ListLayout> layout = layoutOf(list);
        if (!layout) {
            failure = ConversionFailure::NotAList;
            return Status::failure(inputs.SetupListPath + std::string(kNotAList));
        }
        model.layout = *layout;
        ListReader reader(list, model);
        reader.readSetup();
        if (model.layout == ListLayout::Vb5SetupWizard) {
            IconGroup& group = reader.addVb5Group();
            if (model.includeRuntimeFiles)
                reader.readVb5Files(kVb5RuntimeSection, model.runtimeFiles, nullptr);
            reader.readVb5Files(kVb5ApplicationSection, model.applicationFiles, &group);
        } else {
            reader.readIconGroups();
            reader.readLicences();
            if (model.includeRuntimeFiles)
                reader.readFiles(kRuntimeSection, model.runtimeFiles);
            reader.readFiles(kApplicationSection, model.applicationFiles);
            readCabinets(list, model);
        }
        // The model keeps places in the bytes, not the index built over them.
        model.listBytes = list.releaseBytes();
    }
    std::uint32_t ordinal = ScriptModel::kFirstEntryOrdinal;
    for (FileSection* files : {&model.runtimeFiles, &model.applicationFiles}) {
        files->firstOrdinal = ordinal;
        ordinal += static_cast<std::uint32_t>(files->items.size());
    }
    for (IconGroup& group : model.iconGroups) {
        group.firstOrdinal = ordinal;
        ordinal += static_cast<std::uint32_t>(group.items.size());
    }
    model.setupLinesPath = inputs.SetupLinesPath;
    model.setupLines = readLines(fileSystem, inputs.SetupLinesPath);
    model.extraLinesPath = inputs.ExtraLinesPath;
    if (model.addExtraLines)
        model.extraLines = readLines(fileSystem, inputs.ExtraLinesPath);
    failure = ConversionFailure::None;
    return Status::success();
}

} // namespace tembrix
