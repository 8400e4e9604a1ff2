#include "SetupListReader.h"

#include <algorithm>
#include <iterator>

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

constexpr std::string_view kRuntimeSection = "Bootstrap Files";
constexpr std::string_view kApplicationSection = "Setup1 Files";

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
        files.name = section;
        const bool repeated = m_list.sectionCount(section) > 1;
        // Room for every line of the section at once, so that a list of a
        // million files is held once, not grown by doubling.
        files.items.reserve(m_list.keyCount(section));
        for (NumberedKey key("File");; key.next()) {
            const std::string_view value = m_list.view(section, key.text(), "");
            if (value.empty())
                break;
            const FileFields fields = splitFileFields(value);
            FileItem& item = files.items.emplace_back();
            item.name = nameOf(fields.field[0]);
            item.destination = ref(fields.field[1]);
            item.registration = ref(fields.field[2]);
            item.sharedMarker = !fields.field[3].empty();
            item.fieldCount = static_cast<std::uint8_t>(fields.count);
            item.underLaterHeader = repeated && m_list.foundUnderLaterHeader(section, key.text());
        }
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

ScriptModel readScriptModel(const ConversionInputs& inputs, const FileSystem& fileSystem) {
    ScriptModel model;
    model.dialect = inputs.dialect;
    model.version = inputs.Version;
    model.outputDir = inputs.OutputDir;
    model.installerName = inputs.installerName;
    model.sourcePrefix = inputs.UseAbsoluteSource ? inputs.SourceFolder : std::string();
    model.includeRuntimeFiles = inputs.IncludeRuntimeFiles;
    model.addExtraLines = inputs.AddExtraLines;
    {
        auto bytes = fileSystem.readAll(inputs.SetupListPath);
        ProfileIndex list = ProfileIndex::parse(bytes ? std::move(*bytes) : std::string());
        bytes.reset();
        ListReader reader(list, model);
        reader.readSetup();
        reader.readIconGroups();
        reader.readLicences();
        if (model.includeRuntimeFiles)
            reader.readFiles(kRuntimeSection, model.runtimeFiles);
        reader.readFiles(kApplicationSection, model.applicationFiles);
        readCabinets(list, model);
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
    return model;
}

} // namespace tembrix
