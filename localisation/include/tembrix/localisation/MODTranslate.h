#pragma once

// Language files: export of a window's texts, apply of a language, the
// message table and message lookup. Every text is Windows-1252 bytes.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tembrix {

class FileSystem;
class TranslatableWindow;

class MODTranslate {
public:
    /// Reads language files from this machine's file system.
    MODTranslate();
    /// Reads them through `fileSystem`, which must outlive this object.
    explicit MODTranslate(const FileSystem& fileSystem) : m_fileSystem(&fileSystem) {}

    /// Writes the window's title ("Form.Caption", always) and every non-empty
    /// caption and tooltip, in control order, into the window's section.
    /// Keys already in the file are replaced in place; other keys are kept.
    /// A failed write is skipped silently. A file that starts with a UTF-8
    /// byte-order mark gets the texts in UTF-8, since the apply reads it so.
    void ExportFormTexts(const TranslatableWindow& window, const std::string& filePath);

    /// Makes `filePath` the current language file (even when it is missing)
    /// and replaces the title, captions and tooltips by its values; a missing
    /// key keeps the current text (cut to 254 bytes, trailing blanks removed).
    /// The file is read once. A missing or unreadable file keeps every text.
    /// A file that starts with a UTF-8 byte-order mark, or that is valid UTF-8
    /// beyond ASCII without one, has its values converted to Windows-1252;
    /// keys that match no control are ignored.
    void ApplyLanguage(TranslatableWindow& window, const std::string& filePath);

    /// Fills the message table with the built-in texts msg1 to msg19.
    void LoadDefaultMessages();

    /// Writes the message table into [MSG] of the file as msg1, msg2, ...;
    /// nothing before LoadDefaultMessages. A failed write is skipped silently.
    /// A file with a UTF-8 byte-order mark gets them in UTF-8, as above.
    void ExportMessages(const std::string& filePath);

    /// The value of `key` in [MSG] of the current language file; the empty
    /// text when the file, the section or the key is missing. The keys from
    /// "msg6" on, which older language files lack, fall back to their built-in texts.
    std::string GetMessageText(const std::string& key) const;

    /// For each (key, built-in text), the value of the key in `[section]` of
    /// the current language file, or the built-in text when the file, the
    /// section or the key is missing; in the order given, from one read.
    std::vector<std::string>
    GetTexts(std::string_view section,
             const std::vector<std::pair<std::string, std::string>>& keysAndBuiltins) const;

    /// The file last given to ApplyLanguage; empty before the first apply.
    const std::string& currentLanguageFile() const { return m_currentLanguageFile; }
    void setCurrentLanguageFile(const std::string& filePath) { m_currentLanguageFile = filePath; }

    /// `qtLocaleOf` the file last given to ApplyLanguage, read in the same
    /// pass as its texts; empty before the first apply.
    const std::string& qtLocale() const { return m_qtLocale; }

private:
    const FileSystem* m_fileSystem;
    std::string m_currentLanguageFile;
    std::string m_qtLocale;
    std::vector<std::string> m_messages;
    bool m_messagesLoaded = false;
};

/// The names (without folder) of the files in `folder` whose names match
/// "*.lng" without letter case, sorted by name without letter case. Empty when
/// the folder cannot be listed.
std::vector<std::string> listLanguageFiles(const std::string& folder);

/// The language of Qt's own texts (standard buttons, file dialogs) that goes
/// with a language file: the key "QtLocale" of its [MSG] section ("de",
/// "pt_BR"), else "fr" for Francais.lng, which holds the built-in texts, else
/// empty: Qt's texts are left as they are.
std::string qtLocaleOf(const std::string& languageFile);

/// The text that "Other ..." shows, lines joined by CR LF, with the path of
/// the current language file inserted as given (empty when there is none).
std::string translatorInstructions(const std::string& currentLanguageFile);

} // namespace tembrix
