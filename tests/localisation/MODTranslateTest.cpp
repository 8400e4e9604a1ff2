#include "tembrix/localisation/MODTranslate.h"

#include <gtest/gtest.h>

#include <string>

#include "FakeForm1.h"
#include "MemoryFileSystem.h"
#include "TempFolder.h"

using tembrix::MODTranslate;

namespace {

const std::string kEnglishTitle = "TEMBRIX CONVERTER";

std::string englishLanguageFile() {
    return std::string(TEMBRIX_SOURCE_DIR) + "/localisation/English.lng";
}

} // namespace

TEST(ApplyLanguage, ReadsKeysTheWayTheProfileFunctionsDo) {
    MemoryFileSystem memory; // read through the file-system service, not from the disk
    const std::string file = "Test.lng";
    memory.files[file] = std::string("[form1]\r\n"
                                     "FORM.CAPTION=Title\r\n"
                                     "BTNEXT.CAPTION=Onward\r\n"
                                     "BTlast.Caption=\r\n"
                                     "frame(0).Caption=\"  Step one  \"\r\n"
                                     "lblStep01(6).caption=Sixth\r\n"
                                     "LBLmail.ToolTipText=Mail me\r\n"
                                     "txtLST.ToolTipText=The list\r\n"
                                     "txtLST.Caption=not a caption\r\n"
                                     "cmdEdit.Caption=Edit\r\n"
                                     "MNlangueOther.ToolTipText=no tip\r\n"
                                     "Nowhere.Caption=ignored\r\n"
                                     "frame(9).Caption=ignored\r\n"
                                     "[Other]\r\n"
                                     "BTend.Caption=wrong section\r\n");
    FakeForm1 window;
    MODTranslate translate(memory);
    translate.ApplyLanguage(window, file);

    EXPECT_EQ(window.title(), "Title");
    EXPECT_EQ(window.caption("BTnext"), "Onward");
    EXPECT_EQ(window.caption("BTlast"), "") << "an empty value blanks the caption";
    EXPECT_EQ(window.caption("frame", 0), "  Step one  ") << "one pair of quotes removed";
    EXPECT_EQ(window.caption("frame", 1), "ETAPE 02");
    EXPECT_EQ(window.caption("lblStep01", 6), "Sixth");
    EXPECT_EQ(window.caption("BTend"), "Terminer");
    EXPECT_EQ(*window.control("LBLmail").toolTip(), "Mail me");
    EXPECT_EQ(*window.control("txtLST").toolTip(), "The list");
    EXPECT_FALSE(window.control("txtLST").caption().has_value());
    EXPECT_EQ(window.caption("cmdEdit"), "Edit") << "picture buttons still take a caption";
    EXPECT_FALSE(window.control("MNlangueOther").toolTip().has_value());
    EXPECT_EQ(translate.currentLanguageFile(), file);
}

TEST(ApplyLanguage, MissingKeysKeepTheCurrentText) {
    TempFolder folder;
    const std::string partial = folder.write("Partial.lng", "[Form1]\r\nBTend.Caption=Done\r\n");
    FakeForm1 window;
    MODTranslate translate;

    // After a complete language, a partial one keeps that language's texts.
    translate.ApplyLanguage(window, englishLanguageFile());
    ASSERT_EQ(window.caption("BTnext"), "Next >");
    translate.ApplyLanguage(window, partial);
    EXPECT_EQ(window.caption("BTend"), "Done");
    EXPECT_EQ(window.caption("BTnext"), "Next >");
    EXPECT_EQ(window.title(), kEnglishTitle);

    // The lookup's rules still apply to the kept text.
    const std::string longCaption(300, 'x');
    window.control("Label1").setCaption(longCaption);
    window.control("BTcancel").setCaption("Quit   ");
    window.control("LBLmail").setToolTip(std::string(260, 'y'));
    translate.ApplyLanguage(window, partial);
    EXPECT_EQ(window.caption("Label1"), std::string(254, 'x'));
    EXPECT_EQ(window.caption("BTcancel"), "Quit");
    EXPECT_EQ(*window.control("LBLmail").toolTip(), std::string(254, 'y'));
}

TEST(ApplyLanguage, MissingFileKeepsEveryTextAndBecomesCurrent) {
    TempFolder folder;
    FakeForm1 window;
    FakeForm1 untouched;
    MODTranslate translate;
    translate.LoadDefaultMessages();
    const std::string missing = folder.file("Gone.lng");

    translate.ApplyLanguage(window, missing);
    EXPECT_EQ(translate.currentLanguageFile(), missing);
    EXPECT_EQ(window.title(), untouched.title());
    EXPECT_EQ(window.caption("frame", 4), "ETAPE FINALE");
    EXPECT_EQ(window.caption("lblStep01", 5), untouched.caption("lblStep01", 5));
    // Only the blanks around the two odd captions go, as with the real lookup.
    EXPECT_EQ(window.caption("chkAbsPath"),
              tembrix::cp1252FromUtf8("Ajouter le chemin absolu du répertoire \"support\""));
    EXPECT_EQ(window.caption("lblStep02", 3), untouched.caption("lblStep02", 3));
    EXPECT_EQ(translate.GetMessageText("msg5"), "");
    EXPECT_EQ(translate.GetMessageText("msg6"),
              tembrix::cp1252FromUtf8("Impossible d'écrire le script :"));
    EXPECT_EQ(folder.entryCount(), 0u) << "apply never creates the file";
}

TEST(ApplyLanguage, ConvertsAUtf8FileWithAByteOrderMark) {
    using tembrix::cp1252FromUtf8;
    TempFolder folder;
    std::string longTitle;
    for (int i = 0; i < 200; ++i)
        longTitle += "é";
    const std::string utf8 =
        folder.write("Utf8.lng", "\xEF\xBB\xBF[Form1]\r\nBTlast.Caption=< Précédent\r\n"
                                 "Form.Caption=" +
                                     longTitle + "\r\n[MSG]\r\nmsg3=Fichier exécutable\r\n");
    FakeForm1 window;
    MODTranslate translate;

    translate.ApplyLanguage(window, utf8);
    EXPECT_EQ(window.caption("BTlast"), cp1252FromUtf8("< Précédent"));
    EXPECT_EQ(window.title(), std::string(200, '\xE9')) << "the cut counts characters";
    EXPECT_EQ(translate.GetMessageText("msg3"), cp1252FromUtf8("Fichier exécutable"));

    // Without the mark, valid UTF-8 is still read so; Windows-1252 bytes stay as they are.
    const std::string unmarked =
        folder.write("Unmarked.lng", "[Form1]\r\nBTend.Caption=\xC3\xA9\r\n");
    translate.ApplyLanguage(window, unmarked);
    EXPECT_EQ(window.caption("BTend"), "\xE9");
    const std::string plain = folder.write("Plain.lng", "[Form1]\r\nBTend.Caption=\xE9t\xE9\r\n");
    translate.ApplyLanguage(window, plain);
    EXPECT_EQ(window.caption("BTend"), "\xE9t\xE9");
}

TEST(Messages, LookupFollowsTheCurrentLanguageFile) {
    TempFolder folder;
    const std::string noMessages = folder.write("NoMsg.lng", "[Form1]\r\nBTend.Caption=x\r\n");
    const std::string someMessages =
        folder.write("Some.lng", "[msg]\r\nMSG1=Script\r\nmsg2=\"Pick one\"\r\nmsg6=Nope:\r\n");
    FakeForm1 window;
    MODTranslate translate;
    translate.LoadDefaultMessages();

    EXPECT_EQ(translate.GetMessageText("msg1"), "") << "before any apply";
    EXPECT_FALSE(translate.GetMessageText("msg6").empty());

    translate.ApplyLanguage(window, noMessages);
    for (const char* key : {"msg1", "msg2", "msg3", "msg4", "msg5"})
        EXPECT_EQ(translate.GetMessageText(key), "") << key;
    EXPECT_EQ(translate.GetMessageText("msg6"),
              tembrix::cp1252FromUtf8("Impossible d'écrire le script :"));
    EXPECT_EQ(translate.GetMessageText("MSG11"), "Tous les fichiers (*.*)");

    translate.ApplyLanguage(window, someMessages);
    EXPECT_EQ(translate.GetMessageText("msg1"), "Script");
    EXPECT_EQ(translate.GetMessageText("msg2"), "Pick one");
    EXPECT_EQ(translate.GetMessageText("msg3"), "");
    EXPECT_EQ(translate.GetMessageText("msg6"), "Nope:");

    translate.ApplyLanguage(window, englishLanguageFile());
    EXPECT_EQ(translate.GetMessageText("msg5"), "File not found!");
    EXPECT_EQ(translate.GetMessageText("msg6"), "Could not write the script:");
    EXPECT_EQ(translate.GetMessageText("msg11"), "All files (*.*)");
}

TEST(Export, ReplacesValuesInPlaceAndKeepsForeignKeys) {
    TempFolder folder;
    const std::string file = folder.write("Francais.lng", "; made by hand\r\n"
                                                          "[Extra]\r\n"
                                                          "BTnext.Caption=other section\r\n"
                                                          "[FORM1]\r\n"
                                                          "BTNEXT.CAPTION=old\r\n"
                                                          "Retired.Caption=keep me\r\n"
                                                          "BTlast.Caption=older\r\n");
    FakeForm1 window;
    window.control("BTlast").setCaption("");
    MODTranslate translate;
    translate.ExportFormTexts(window, file);
    translate.LoadDefaultMessages();
    translate.ExportMessages(file);

    const std::string text = TempFolder::read(file);
    const std::string expectedStart =
        "; made by hand\r\n[Extra]\r\nBTnext.Caption=other section\r\n"
        "[FORM1]\r\nBTnext.Caption=Suivant >\r\n"
        "Retired.Caption=keep me\r\nBTlast.Caption=older\r\n"
        "Form.Caption=TEMBRIX CONVERTOR\r\nBTend.Caption=Terminer\r\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(text.find("\r\n[MSG]\r\nmsg1=Fichier ISS cible\r\n"), std::string::npos);

    // Exporting the same texts again changes nothing.
    translate.ExportFormTexts(window, file);
    translate.ExportMessages(file);
    EXPECT_EQ(TempFolder::read(file), text);
}

TEST(Export, WritesNothingWhereItCannot) {
    TempFolder folder;
    FakeForm1 window;
    MODTranslate translate;

    translate.ExportMessages(folder.file("NoTable.lng"));
    EXPECT_EQ(folder.entryCount(), 0u) << "no message table yet";

    translate.LoadDefaultMessages();
    const std::string intoMissingFolder = folder.file("missing/Francais.lng");
    translate.ExportFormTexts(window, intoMissingFolder);
    translate.ExportMessages(intoMissingFolder);
    EXPECT_EQ(folder.entryCount(), 0u);
}
