#include "tembrix/localisation/MODTranslate.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "tembrix/localisation/TranslatableWindow.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/NativePath.h"
#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

namespace {

constexpr std::string_view kTitleKey = "Form.Caption";
constexpr std::string_view kMessageSection = "MSG";
constexpr std::string_view kCaptionProperty = "Caption";
constexpr std::string_view kToolTipProperty = "ToolTipText";

// UTF-8 here; the table and every lookup hold Windows-1252.
constexpr std::array<std::string_view, 19> kBuiltinMessages{
    "Fichier ISS cible",
    "Selectionner un LST",
    "Fichier exécutable final",
    "Selectionner un fichier",
    "Fichier introuvable !",
    "Impossible d'écrire le script :",
    "Ce fichier existe déjà. Voulez-vous le remplacer ?",
    "Indiquez le fichier ISS cible à l'étape 03.",
    "Le dossier de ce fichier n'existe pas.",
    "Vous n'avez pas le droit d'écrire ce fichier, ou un autre programme le tient ouvert.",
    "Tous les fichiers (*.*)",
    "Script ISS créé : lisez les avertissements avant de le compiler avec Inno Setup",
    "Compilation du script en cours...",
    "Compilation réussie.",
    "Programme d'installation : %1",
    "La compilation a échoué (code de sortie %1).",
    "Ligne %1 : %2",
    "Impossible de convertir la liste d'installation :",
    "Ce dossier ne peut pas être écrit dans le script (%1) : un de ses caractères manque à la "
    "page de codes %2 du système.",
};

// Language files made before a message existed lack its key, and an empty
// text there would leave the user with a bare path or a blank question: from
// the first of those messages on, a missing key gives the built-in text.
constexpr std::size_t kFirstFallbackMessage = 6;

std::string messageKey(std::size_t number) {
    return "msg" + std::to_string(number);
}

// The built-in text of a key from kFirstFallbackMessage on, in any letter case.
std::optional<std::string_view> fallbackMessage(std::string_view key) {
    for (std::size_t n = kFirstFallbackMessage; n <= kBuiltinMessages.size(); ++n)
        if (equalsIgnoringCase(key, messageKey(n)))
            return kBuiltinMessages[n - 1];
    return std::nullopt;
}

// "BTnext.Caption" for a single control, "frame(0).Caption" for an array member.
std::string propertyKey(const TranslatableControl& control, std::string_view property) {
    std::string key = control.name();
    if (const auto index = control.index())
        key += "(" + std::to_string(*index) + ")";
    key += ".";
    key += property;
    return key;
}

bool hasNonAscii(std::string_view text) {
    return std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// A translator's editor may save the file as UTF-8, with a byte-order mark or
// without; its values would then show as two Windows-1252 characters per
// accented letter. Accented Windows-1252 text is almost never valid UTF-8, so
// an unmarked file that is valid UTF-8 and not plain ASCII is read as UTF-8.
// The structure of an INI file is ASCII, so the whole text converts at once,
// and the 254-byte cut then counts Windows-1252 characters as usual.
const FileSystem& machineFileSystem() {
    static const std::unique_ptr<FileSystem> fileSystem = createLocalFileSystem();
    return *fileSystem;
}

ProfileIndex loadLanguageFile(const FileSystem& fileSystem, const std::string& filePath) {
    std::optional<std::string> bytes = fileSystem.readAll(filePath);
    if (!bytes)
        return ProfileIndex();
    if (bytes->starts_with("\xEF\xBB\xBF"))
        return ProfileIndex::parse(cp1252FromUtf8(std::string_view(*bytes).substr(3)));
    if (hasNonAscii(*bytes) && isUtf8(*bytes))
        return ProfileIndex::parse(cp1252FromUtf8(*bytes));
    return ProfileIndex::parse(std::move(*bytes));
}

std::string qtLocaleIn(const ProfileIndex& file, std::string_view filePath) {
    std::string locale = file.read(kMessageSection, "QtLocale", "");
    if (!locale.empty())
        return locale;
    const std::size_t slash = filePath.find_last_of("/\\");
    const std::string_view name = filePath.substr(slash == std::string_view::npos ? 0 : slash + 1);
    return equalsIgnoringCase(name, "Francais.lng") ? "fr" : "";
}

// The apply reads a marked file as UTF-8 (above), so what the exports write
// into it must be UTF-8 as well: Windows-1252 bytes there would read back as
// "?". The mark and the translator's own UTF-8 texts stay as they are.
void storeTexts(const std::string& filePath, std::string_view section,
                const std::vector<std::pair<std::string, std::string>>& texts) {
    StoreProfileStrings(filePath, section, texts, StoredValues::Utf8InMarkedFile);
}

bool hasLanguageExtension(std::string_view name) {
    return endsWithIgnoringCase(name, ".lng");
}

} // namespace

// One read and one write of the file for the whole window: the result is what
// one store per text would leave.
void MODTranslate::ExportFormTexts(const TranslatableWindow& window, const std::string& filePath) {
    std::vector<std::pair<std::string, std::string>> texts;
    texts.emplace_back(kTitleKey, window.title());
    for (const TranslatableControl* control : window.controls()) {
        if (!control)
            continue;
        if (const auto caption = control->caption(); caption && !caption->empty())
            texts.emplace_back(propertyKey(*control, kCaptionProperty), *caption);
        if (const auto toolTip = control->toolTip(); toolTip && !toolTip->empty())
            texts.emplace_back(propertyKey(*control, kToolTipProperty), *toolTip);
    }
    storeTexts(filePath, window.name(), std::move(texts));
}

MODTranslate::MODTranslate() : m_fileSystem(&machineFileSystem()) {}

void MODTranslate::ApplyLanguage(TranslatableWindow& window, const std::string& filePath) {
    m_currentLanguageFile = filePath;
    const ProfileIndex file = loadLanguageFile(*m_fileSystem, filePath);
    m_qtLocale = qtLocaleIn(file, filePath);
    const std::string section = window.name();
    window.setTitle(file.read(section, kTitleKey, window.title()));
    for (TranslatableControl* control : window.controls()) {
        if (!control)
            continue;
        if (const auto caption = control->caption())
            control->setCaption(
                file.read(section, propertyKey(*control, kCaptionProperty), *caption));
        if (const auto toolTip = control->toolTip())
            control->setToolTip(
                file.read(section, propertyKey(*control, kToolTipProperty), *toolTip));
    }
}

void MODTranslate::LoadDefaultMessages() {
    m_messages.clear();
    for (std::string_view text : kBuiltinMessages)
        m_messages.push_back(cp1252FromUtf8(text));
    m_messagesLoaded = true;
}

void MODTranslate::ExportMessages(const std::string& filePath) {
    if (!m_messagesLoaded) {
        m_messages.clear();
        m_messagesLoaded = true;
        return;
    }
    std::vector<std::pair<std::string, std::string>> messages;
    for (std::size_t i = 0; i < m_messages.size(); ++i)
        messages.emplace_back(messageKey(i + 1), m_messages[i]);
    storeTexts(filePath, kMessageSection, std::move(messages));
}

std::string MODTranslate::GetMessageText(const std::string& key) const {
    const ProfileIndex file = loadLanguageFile(*m_fileSystem, m_currentLanguageFile);
    if (const auto builtin = fallbackMessage(key); builtin && !file.contains(kMessageSection, key))
        return cp1252FromUtf8(*builtin);
    return file.read(kMessageSection, key, "");
}

std::vector<std::string> MODTranslate::GetTexts(
    std::string_view section,
    const std::vector<std::pair<std::string, std::string>>& keysAndBuiltins) const {
    const ProfileIndex file = loadLanguageFile(*m_fileSystem, m_currentLanguageFile);
    std::vector<std::string> texts;
    texts.reserve(keysAndBuiltins.size());
    for (const auto& [key, builtin] : keysAndBuiltins)
        texts.push_back(file.contains(section, key) ? file.read(section, key, "") : builtin);
    return texts;
}

std::vector<std::string> listLanguageFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    if (folder.empty())
        return names;
    std::error_code ec;
    fs::directory_iterator it(nativePath(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        // A name that cannot be converted (invalid bytes on Linux) is skipped alone.
        try {
            std::string name = utf8Path(it->path().filename());
            if (hasLanguageExtension(name))
                names.push_back(std::move(name));
        } catch (const std::exception&) {
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string foldedA = lowerCased(a);
        const std::string foldedB = lowerCased(b);
        return foldedA != foldedB ? foldedA < foldedB : a < b;
    });
    return names;
}

std::string qtLocaleOf(const std::string& languageFile) {
    return qtLocaleIn(loadLanguageFile(machineFileSystem(), languageFile), languageFile);
}

std::string translatorInstructions(const std::string& currentLanguageFile) {
    return "Translate this file \r\n\r\n" + currentLanguageFile +
           "\r\n\r\nand save it in the application folder like this :\r\n"
           "your country's name .LNG\r\n\r\n"
           "It will apear in the translate menu";
}

} // namespace tembrix
