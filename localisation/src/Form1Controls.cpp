#include "tembrix/localisation/Form1Controls.h"

#include <array>

#include "tembrix/platform/Author.h"

namespace tembrix {

namespace {

// The control order is the order in which the window defines its controls:
// the bottom row, then each page frame followed by the controls on it, then
// the language menu. Controls without a caption or tooltip key (text boxes,
// picture-only buttons, the file list, the picture box) stand among the
// others because a language file may still name them.
// Texts are UTF-8 here and become Windows-1252 where they meet a file.
// One control per line, so that the table reads like the list of texts.
// clang-format off
constexpr std::array kControls{
    ControlText{"BTend", -1, true, true, "Terminer", ""},
    ControlText{"BTnext", -1, true, true, "Suivant >", ""},
    ControlText{"BTlast", -1, true, true, "< Précédent", ""},
    ControlText{"BTcancel", -1, true, true, "Quitter", ""},
    ControlText{"BThelp", -1, true, true, "A propos", ""},
    ControlText{"FileLNG", -1, false, true, "", ""},
    ControlText{"frame", 0, true, true, "ETAPE 01", ""},
    ControlText{"Picture1", -1, false, true, "", ""},
    ControlText{"abTranslate", -1, true, true, "Translate", ""},
    ControlText{"abSite", -1, true, true, kAuthorSite, ""},
    ControlText{"LBLmail", -1, true, true, kAuthorMail, "Ecrivez moi ..."},
    ControlText{"lblStep01", 6, true, true, "Info et mise à jour sur", ""},
    ControlText{"lblStep01", 5, true, true, "Voir la fenêtre \"A propos\" pour télécharger ces logiciels", ""},
    ControlText{"lblStep01", 4, true, true, "en script compréhensible par Inno Setup (extensions).", ""},
    ControlText{"lblStep01", 3, true, true, "via son Assistant Empaquetage et déploiement", ""},
    ControlText{"lblStep01", 2, true, true, "des fichiers LST généré par Visual Basic", ""},
    ControlText{"lblStep01", 1, true, true, "Ce programme permet de transformer les scripts", ""},
    ControlText{"lblStep01", 0, true, true, "Bienvenue dans Tembrix convertor 1.0", ""},
    ControlText{"frame", 4, true, true, "ETAPE FINALE", ""},
    ControlText{"abRestart", -1, true, true, "Recommencer", ""},
    ControlText{"abEdit", -1, true, true, "Editer le script", ""},
    ControlText{"abOpenISS", -1, true, true, "Ouvrir le ISS", ""},
    ControlText{"lblStep05", 4, true, true, "Tous ces logiciels sont téléchargeables sur leur site respectif (cf \"A propos\")", ""},
    ControlText{"lblStep05", 3, true, true, "Utiliser IStools pour toutes ces autres transformations.", ""},
    ControlText{"lblStep05", 2, true, true, "sont réalisables sur ce script pour personnaliser l'installation.", ""},
    ControlText{"lblStep05", 1, true, true, "ou par Inno Setup With Extensions. De nombreuses modifications supplémentaires", ""},
    ControlText{"lblStep05", 0, true, true, "Le script ISS a été créé, il est directement compilable avec Inno Setup", ""},
    ControlText{"frame", 3, true, true, "ETAPE 04", ""},
    ControlText{"txtFileAdd", -1, false, true, "", ""},
    ControlText{"cmdChooseAdd", -1, true, true, "", ""},
    ControlText{"cmdEditAdd", -1, true, true, "", ""},
    ControlText{"chkFileAdd", -1, true, true, "Ajouter les lignes de ...", ""},
    ControlText{"chkVbDLL", -1, true, true, "Inclure les DLL Visual Basic", ""},
    ControlText{"txtOption", -1, false, true, "", ""},
    ControlText{"cmdOption", -1, true, true, "", ""},
    ControlText{"cmdEdit", -1, true, true, "", ""},
    ControlText{"txtVersion", -1, false, true, "", ""},
    ControlText{"lblStep04", 3, true, true, "en ajouter d'autre avec l'option \"Ajouter les lignes de ...\".", ""},
    ControlText{"lblStep04", 2, true, true, "Seules les sections [SETUP], [FILES] et [ICONS] sont générées, vous pouvez si necessaire", ""},
    ControlText{"lblStep04", 1, true, true, "Les DLL Visual basic (contenus dans [Bootstrap Files]) peuvent être exclues.", ""},
    ControlText{"lblStep04", 0, true, true, "Vous pouvez personnaliser le script ISS en ajoutant vos lignes dans la section SETUP.", ""},
    ControlText{"Label4", -1, true, true, "Numéro de version de l'application", ""},
    ControlText{"Label5", -1, true, true, "Lignes à ajouter dans [SETUP]", ""},
    ControlText{"frame", 2, true, true, "ETAPE 03", ""},
    ControlText{"txtISS", -1, false, true, "", ""},
    ControlText{"cmdChooseISS", -1, true, true, "", ""},
    ControlText{"txtOutputDir", -1, false, true, "", ""},
    ControlText{"txtOuputExe", -1, false, true, "", ""},
    ControlText{"cmdExeName", -1, true, true, "", ""},
    ControlText{"lblStep03", 3, true, true, "-", ""},
    ControlText{"lblStep03", 2, true, true, "-", ""},
    ControlText{"lblStep03", 1, true, true, "l'emplacement et le nom de l'exécutable que créé par Inno Setup", ""},
    ControlText{"lblStep03", 0, true, true, "Choisissez l'emplacement du fichier script ISS généré ainsi que", ""},
    ControlText{"Label7", -1, true, true, "Nom de l'exécutable", ""},
    ControlText{"Label6", -1, true, true, "Emplacement de l'exécutable final", ""},
    ControlText{"Label3", -1, true, true, "Fichier ISS cible", ""},
    ControlText{"frame", 1, true, true, "ETAPE 02", ""},
    ControlText{"txtLST", -1, false, true, "", ""},
    ControlText{"cmdChooseLST", -1, true, true, "", ""},
    ControlText{"txtPath", -1, false, true, "", ""},
    ControlText{"chkAbsPath", -1, true, true, "Ajouter le chemin absolu du répertoire \"support\" ", ""},
    ControlText{"lblStep02", 3, true, true, " Le fichier ISS sera crée par défaut dans ce répertoire.", ""},
    ControlText{"lblStep02", 2, true, true, "L'Assistant Empaquetage et déploiement les à regroupé dedans.", ""},
    ControlText{"lblStep02", 1, true, true, "de l'application VB. Ce répertoire contient tous les fichiers à installer.", ""},
    ControlText{"lblStep02", 0, true, true, "Sélectionnez le fichier LST se trouvant dans le répertoire \"support\"", ""},
    ControlText{"Label1", -1, true, true, "Fichier LST source", ""},
    ControlText{"MNlangue", -1, true, false, "MNlangue", ""},
    ControlText{"MNlangueChoice", 0, true, false, "#", ""},
    ControlText{"MNlangueSep", -1, true, false, "-", ""},
    ControlText{"MNlangueOther", -1, true, false, "Other ...", ""},
    // Added later than the others: their keys follow the older ones, which
    // keep their places in Francais.lng for translators who compare files.
    ControlText{"chkInno6", -1, true, true, "Script pour Inno Setup 6", ""},
    ControlText{"abCompile", -1, true, true, "Compiler", ""},
    ControlText{"txtReport", -1, false, true, "", ""},
};
// clang-format on

} // namespace

std::string_view form1BuiltinTitle() {
    return "TEMBRIX CONVERTOR";
}

std::span<const ControlText> form1Controls() {
    return kControls;
}

} // namespace tembrix
