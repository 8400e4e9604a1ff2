#include "tembrix/localisation/DiagnosticTexts.h"

#include <algorithm>
#include <array>

#include "tembrix/localisation/MODTranslate.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

namespace {

using enum DiagnosticCode;

struct FrenchText {
    DiagnosticCode code;
    std::string_view text;
};

// Each text follows "[section] key : ", as the English ones do; Inno Setup's
// own names ({app}, [Run], sharedfile, OutputBaseFilename) stay as they are.
// UTF-8 here; Windows-1252 where they meet a file.
constexpr std::array kFrench{
    FrenchText{NoSetupSection, "la liste n'a pas de section [Setup] : le script ne nomme ni "
                               "l'application ni le programme d'installation"},
    FrenchText{
        TitleMissing,
        "absent ou vide : le script ne nomme ni l'application ni le programme d'installation"},
    FrenchText{RepeatedSection, "trouvé dans une seconde section [%1] du même nom, et utilisé"},
    FrenchText{OneField, "n'a qu'un champ là où une entrée de fichier en a quatre ; les champs "
                         "manquants sont pris comme vides"},
    FrenchText{TooFewFields, "n'a que %1 champs là où une entrée de fichier en a quatre ; les "
                             "champs manquants sont pris comme vides"},
    FrenchText{ListQuotesRemoved,
               "les guillemets que la liste met autour du programme sont retirés : %1"},
    FrenchText{ShortcutArguments,
               "les arguments %1 sont passés dans Parameters ; le programme du raccourci est %2"},
    FrenchText{NoProgram, "ne nomme aucun programme : le raccourci ne mène nulle part"},
    FrenchText{ProgramNotInstalled, "le programme %1 n'est pas parmi les fichiers que la liste "
                                    "installe dans {app} : le raccourci ne mène nulle part"},
    FrenchText{TypeLibraryRegistered,
               "%1 est une bibliothèque de types : elle est enregistrée avec regtypelib, car "
               "regserver échouerait et annulerait l'installation"},
    FrenchText{SelfRegisterEx,
               "$(DLLSelfRegisterEx) enregistre le fichier comme le fait $(DLLSelfRegister)"},
    FrenchText{CommonFilesSystem, "la macro de dossier $(CommonFilesSys) est traduite par le "
                                  "dossier Common Files\\System"},
    FrenchText{UnknownFolderMacro, "la macro de dossier %1 est inconnue et reste telle quelle"},
    FrenchText{DefaultFolderOnDrive, "le dossier par défaut %1 commence par le lecteur %2, "
                                     "l'installation échoue là où ce lecteur n'existe pas"},
    FrenchText{DefaultFolderRelative,
               "le dossier par défaut %1 est relatif : l'installation se fait à côté du "
               "programme d'installation, où qu'il soit lancé"},
    FrenchText{WorkingFolderEmpty,
               "le dossier de travail %1 est sous {app}, mais aucun fichier n'y est installé : "
               "le raccourci démarre dans un dossier qui n'existe pas"},
    FrenchText{ProgramsGroup, "%1 est le dossier Programmes du menu Démarrer lui-même : les "
                              "raccourcis y vont, et DefaultGroupName en devient le titre"},
    FrenchText{InstallerNameCleaned, "les caractères qu'un nom de fichier ne peut pas contenir "
                                     "sont remplacés par \"_\" dans OutputBaseFilename : %1"},
    FrenchText{SelfRegisteringProgram,
               "%1 s'enregistre lui-même : [Run] le lance avec /REGSERVER, et [UninstallRun] "
               "avec /UNREGSERVER avant que la désinstallation ne le supprime"},
    FrenchText{RegistryFileMerged, "%1 est fusionné dans le registre par regedit dans [Run]"},
    FrenchText{UnknownRegistration,
               "l'enregistrement %1 n'est ni une macro connue ni un fichier .reg : le fichier "
               "est copié mais pas enregistré"},
    FrenchText{ProtectedSystemFile, "%1 est un fichier système de Windows qu'Inno Setup refuse "
                                    "d'installer ; sa ligne est désormais un commentaire"},
    FrenchText{SystemOnlyRegistration,
               "%1 n'est enregistré que dans le dossier système, comme Inno Setup l'exige ; sa "
               "ligne est désormais un commentaire"},
    FrenchText{SharedSelfRegisteringProgram,
               "%1 s'enregistre lui-même : [Run] le lance avec /REGSERVER ; dans le dossier "
               "système il peut servir à d'autres programmes, la désinstallation ne le supprime "
               "donc pas et ne le désenregistre pas"},
    FrenchText{SystemFileKept, "%1 est un fichier système : il est partagé, remplacé au "
                               "prochain démarrage s'il est en service, et jamais supprimé par "
                               "la désinstallation"},
    FrenchText{SystemFolderShared,
               "%1 va dans le dossier système, que d'autres programmes partagent : il est "
               "marqué sharedfile, la désinstallation ne le supprime que si plus aucun "
               "programme n'en dépend"},
    FrenchText{StartMenuGroup,
               "%1 est le menu Démarrer lui-même : les raccourcis du groupe y vont"},
    FrenchText{RemoteNotRegistered, "%1 est un serveur distant ($(Remote)) : le programme "
                                    "d'installation le copie mais ne l'enregistre pas"},
    FrenchText{LicenceFileNotRegistered,
               "%1 est un fichier de licence ($(VBLRegister)) : le programme d'installation le "
               "copie mais n'enregistre pas la licence"},
    FrenchText{LicenceNotCarried, "la licence du contrôle n'est pas reprise : le programme "
                                  "d'installation ne l'ajoute pas au registre"},
    FrenchText{SetupLinesUnreadable,
               "le fichier de lignes [Setup] %1 ne peut pas être lu : rien n'est inséré"},
    FrenchText{ExtraLinesUnreadable,
               "le fichier de lignes à ajouter %1 ne peut pas être lu : rien n'est ajouté"},
    // Branch package: finding the package's files.
    FrenchText{FileNotFound, "%1 n'est pas dans le dossier source : la compilation échouera"},
    FrenchText{FileNotFoundInOne,
               "%1 n'est ni dans le dossier source, ni dans %2 : la compilation échouera"},
    FrenchText{FileNotFoundInTwo, "%1 n'est ni dans le dossier source, ni dans %2, ni dans %3 : "
                                  "la compilation échouera"},
    FrenchText{NoFileFound,
               "aucun des %1 fichiers que le script installe n'est dans le dossier source ni dans "
               "le paquet : la compilation échouera tant qu'ils n'y seront pas"},
    FrenchText{FilesTakenFromSupport, "%1 fichiers pris dans %2"},
    FrenchText{FilesExtracted, "%1 fichiers extraits de %2 dans %3"},
    FrenchText{FilesExpanded, "%1 fichiers décompressés de leurs copies compressées dans %2"},
    FrenchText{ArchiveUnreadable, "%1 : rien de plus n'en est extrait"},
    FrenchText{ExtractedFileDiffers,
               "%1 existe déjà et diffère de la copie de %2 : il est gardé tel quel, et le script "
               "l'installe"},
    FrenchText{UnsafeArchiveName,
               "%2 nomme le fichier %1, qui serait hors du dossier d'extraction : il n'est pas "
               "extrait"},
    FrenchText{ExtractWriteFailed, "ne peut pas être extrait : %1"},
    FrenchText{SourceNotInCodePage,
               "le dossier %1 a des caractères que la page de code du script ne peut pas "
               "contenir : ses noms Source sont faux et la compilation échouera"},
};

constexpr bool textsFollowTheCodes() {
    for (std::size_t i = 0; i < kFrench.size(); ++i)
        if (static_cast<std::size_t>(kFrench[i].code) != i)
            return false;
    return kFrench.back().code == SourceNotInCodePage;
}
static_assert(textsFollowTheCodes(), "one French text per code, in the order of the codes");

// A remark is framed as "<kind word> <place> : <text>"; "%1" is what follows.
constexpr std::string_view kWarningKey = "Warning";
constexpr std::string_view kNoteKey = "Note";
constexpr std::string_view kPlaceKey = "Place";
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kFrames{{
    {kWarningKey, "Attention : %1"},
    {kNoteKey, "Note : %1"},
    {kPlaceKey, "%1 : %2"},
}};

// "[Setup1 Files] File12", or the part of it that the remark has.
std::string placeOf(const Diagnostic& diagnostic) {
    std::string place;
    if (!diagnostic.section.empty())
        place = "[" + diagnostic.section + "]";
    if (!diagnostic.key.empty())
        place += (place.empty() ? "" : " ") + diagnostic.key;
    return place;
}

} // namespace

std::vector<std::pair<std::string, std::string>> builtinDiagnosticTexts() {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const FrenchText& row : kFrench)
        texts.emplace_back(diagnosticName(row.code), cp1252FromUtf8(row.text));
    for (const auto& [key, text] : kFrames)
        texts.emplace_back(key, cp1252FromUtf8(text));
    return texts;
}

void ExportDiagnosticTexts(const std::string& filePath) {
    StoreProfileStrings(filePath, kDiagnosticSection, builtinDiagnosticTexts(),
                        StoredValues::Utf8InMarkedFile);
}

std::vector<std::string> diagnosticLines(const MODTranslate& translate,
                                         const Diagnostics& diagnostics) {
    // Every text at once: one read of the language file for the whole report.
    const std::vector<std::string> texts =
        translate.GetTexts(kDiagnosticSection, builtinDiagnosticTexts());
    const auto frame = [&texts](std::string_view key) -> const std::string& {
        const auto at =
            std::ranges::find(kFrames, key, &std::pair<std::string_view, std::string_view>::first);
        return texts[kFrench.size() + static_cast<std::size_t>(at - kFrames.begin())];
    };

    std::vector<const Diagnostic*> ordered;
    for (const Diagnostic& diagnostic : diagnostics)
        ordered.push_back(&diagnostic);
    std::ranges::stable_partition(
        ordered, [](const Diagnostic* d) { return d->kind == DiagnosticKind::Warning; });

    std::vector<std::string> lines;
    for (const Diagnostic* diagnostic : ordered) {
        std::string line = formatDiagnostic(texts[static_cast<std::size_t>(diagnostic->code)],
                                            diagnostic->arguments);
        if (const std::string where = placeOf(*diagnostic); !where.empty())
            line = formatDiagnostic(frame(kPlaceKey), {where, line});
        lines.push_back(formatDiagnostic(
            frame(diagnostic->kind == DiagnosticKind::Warning ? kWarningKey : kNoteKey), {line}));
    }
    return lines;
}

} // namespace tembrix
