// The start-up's language walks over any language file: apply it, export the
// built-in texts and messages into it, and apply it again. The export must
// leave a file that the apply reads back as the built-in texts.

#include <fstream>
#include <string>
#include <vector>

#include "FakeForm1.h"
#include "FuzzInput.h"
#include "tembrix/localisation/MODTranslate.h"

namespace {

std::vector<std::string> textsOf(const FakeForm1& window) {
    std::vector<std::string> texts{window.title()};
    for (const tembrix::TranslatableControl* control : window.controls()) {
        texts.push_back(control->caption().value_or("-"));
        texts.push_back(control->toolTip().value_or("-"));
    }
    return texts;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The texts and messages that start-up leaves in a file that held nothing.
struct Reference {
    std::vector<std::string> texts;
    std::vector<std::string> messages;
};

std::vector<std::string> messagesOf(const tembrix::MODTranslate& translate) {
    std::vector<std::string> messages;
    for (int i = 1; i <= 6; ++i)
        messages.push_back(translate.GetMessageText("msg" + std::to_string(i)));
    return messages;
}

Reference startUp(const std::string& path) {
    FakeForm1 window;
    tembrix::MODTranslate translate;
    translate.ApplyLanguage(window, path); // the language chosen at the last start
    FakeForm1 fresh;
    translate.ExportFormTexts(fresh, path);
    translate.LoadDefaultMessages();
    translate.ExportMessages(path);
    translate.ApplyLanguage(fresh, path);
    return {textsOf(fresh), messagesOf(translate)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = (fuzz::scratchFolder() / "Francais.lng").string();
    static const Reference reference = [&] {
        std::filesystem::remove(path);
        return startUp(path);
    }();

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeFile(path, bytes);
    const Reference found = startUp(path);
    // A UTF-16 file is never rewritten, so it keeps its own texts.
    if (!bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF")) {
        fuzz::require(found.texts == reference.texts, "the exported texts read back otherwise");
        fuzz::require(found.messages == reference.messages,
                      "the exported messages read back otherwise");
    }
    return 0;
}
