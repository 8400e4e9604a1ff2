#include "tembrix/localisation/Form1Controls.h"

#include <array>

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
    ControlSpec{"BTend", -1, true, true, "Terminer", ""},
    ControlSpec{"BTnext", -1, true, true, "Suivant >", ""},
    ControlSpec{"BTlast", -1, true, true, "< Précédent", ""},
    ControlSpec{"BTcancel", -1, true, true, "Quitter", ""},
    ControlSpec{"BThelp", -1, true, true, "A propos", ""},
    ControlSpec{"FileLNG", -1, false, true, "", ""},
    ControlSpec{"frame", 0, true, true, "ETAPE 01", ""},
    ControlSpec{"Picture1", -1, false, true, "", ""},
    ControlSpec{"abTranslate", -1, true, true, "Translate", ""},
    ControlSpec{"abSite", -1, true, true, "https://tembrix.org", ""},
    ControlSpec{"LBLmail", -1, true, true, "auteur@tembrix.org", "Ecrivez moi ..."},
    ControlSpec{"lblStep01", 6, true, true, "Info et mise à jour sur", ""},
    ControlSpec{"lblStep01", 5, true, true, "Voir la fenêtre \"A propos\" pour télécharger ces logiciels", ""},
    ControlSpec{"lblStep01", 4, true, true, "en script compréhensible par Inno Setup (extensions).", ""},
    ControlSpec{"lblStep01", 3, true, true, "via son Assistant Empaquetage et déploiement", ""},
    ControlSpec{"lblStep01", 2, true, true, "des fichiers LST généré par Visual Basic", ""},
    ControlSpec{"lblStep01", 1, true, true, "Ce programme permet de transformer les scripts", ""},
    ControlSpec{"lblStep01", 0, true, true, "Bienvenue dans Tembrix convertor 1.0", ""},
    ControlSpec{"frame", 4, true, true, "ETAPE FINALE", ""},
    ControlSpec{"abRestart", -1, true, true, "Recommencer", ""},
    ControlSpec{"abEdit", -1, true, true, "Editer le script", ""},
    ControlSpec{"abOpenISS", -1, true, true, "Ouvrir le ISS", ""},
    ControlSpec{"lblStep05", 4, true, true, "Tous ces logiciels sont téléchargeables sur leur site respectif (cf \"A propos\")", ""},
    ControlSpec{"lblStep05", 3, true, true, "Utiliser IStools pour toutes ces autres transformations.", ""},
    ControlSpec{"lblStep05", 2, true, true, "sont réalisables sur ce script pour personnaliser l'installation.", ""},
    ControlSpec{"lblStep05", 1, true, true, "ou par Inno Setup With Extensions. De nombreuses modifications supplémentaires", ""},
    ControlSpec{"lblStep05", 0, true, true, "Le script ISS a été créé, il est directement compilable avec Inno Setup", ""},
    ControlSpec{"frame", 3, true, true, "ETAPE 04", ""},
    ControlSpec{"txtFileAdd", -1, false, true, "", ""},
    ControlSpec{"cmdChooseAdd", -1, true, true, "", ""},
    ControlSpec{"cmdEditAdd", -1, true, true, "", ""},
    ControlSpec{"chkFileAdd", -1, true, true, "Ajouter les lignes de ...", ""},
    ControlSpec{"chkVbDLL", -1, true, true, "Inclure les DLL Visual Basic", ""},
    ControlSpec{"txtOption", -1, false, true, "", ""},
    ControlSpec{"cmdOption", -1, true, true, "", ""},
    ControlSpec{"cmdEdit", -1, true, true, "", ""},
    ControlSpec{"txtVersion", -1, false, true, "", ""},
    ControlSpec{"lblStep04", 3, true, true, "en ajouter d'autre avec l'option \"Ajouter les lignes de ...\".", ""},
    ControlSpec{"lblStep04", 2, true, true, "Seules les sections [SETUP], [FILES] et [ICONS] sont générées, vous pouvez si necessaire", ""},
    ControlSpec{"lblStep04", 1, true, true, "Les DLL Visual basic (contenus dans [Bootstrap Files]) peuvent être exclues.", ""},
    ControlSpec{"lblStep04", 0, true, true, "Vous pouvez personnaliser le script ISS en ajoutant vos lignes dans la section SETUP.", ""},
    ControlSpec{"Label4", -1, true, true, "Numéro de version de l'application", ""},
    ControlSpec{"Label5", -1, true, true, "Lignes à ajouter dans [SETUP]", ""},
    ControlSpec{"frame", 2, true, true, "ETAPE 03", ""},
    ControlSpec{"txtISS", -1, false, true, "", ""},
    ControlSpec{"cmdChooseISS", -1, true, true, "", ""},
    ControlSpec{"txtOutputDir", -1, false, true, "", ""},
    ControlSpec{"txtOuputExe", -1, false, true, "", ""},
    ControlSpec{"cmdExeName", -1, true, true, "", ""},
    ControlSpec{"lblStep03", 3, true, true, "-", ""},
    ControlSpec{"lblStep03", 2, true, true, "-", ""},
    ControlSpec{"lblStep03", 1, true, true, "l'emplacement et le nom de l'exécutable que créé par Inno Setup", ""},
    ControlSpec{"lblStep03", 0, true, true, "Choisissez l'emplacement du fichier script ISS généré ainsi que", ""},
    ControlSpec{"Label7", -1, true, true, "Nom de l'exécutable", ""},
    ControlSpec{"Label6", -1, true, true, "Emplacement de l'exécutable final", ""},
    ControlSpec{"Label3", -1, true, true, "Fichier ISS cible", ""},
    ControlSpec{"frame", 1, true, true, "ETAPE 02", ""},
    ControlSpec{"txtLST", -1, false, true, "", ""},
    ControlSpec{"cmdChooseLST", -1, true, true, "", ""},
    ControlSpec{"txtPath", -1, false, true, "", ""},
    ControlSpec{"chkAbsPath", -1, true, true, "Ajouter le chemin absolu du répertoire \"support\" ", ""},
    ControlSpec{"lblStep02", 3, true, true, " Le fichier ISS sera crée par défaut dans ce répertoire.", ""},
    ControlSpec{"lblStep02", 2, true, true, "L'Assistant Empaquetage et déploiement les à regroupé dedans.", ""},
    ControlSpec{"lblStep02", 1, true, true, "de l'application VB. Ce répertoire contient tous les fichiers à installer.", ""},
    ControlSpec{"lblStep02", 0, true, true, "Sélectionnez le fichier LST se trouvant dans le répertoire \"support\"", ""},
    ControlSpec{"Label1", -1, true, true, "Fichier LST source", ""},
    ControlSpec{"MNlangue", -1, true, false, "MNlangue", ""},
    ControlSpec{"MNlangueChoice", 0, true, false, "#", ""},
    ControlSpec{"MNlangueSep", -1, true, false, "-", ""},
    ControlSpec{"MNlangueOther", -1, true, false, "Other ...", ""},
};
// clang-format on

} // namespace

std::string_view form1BuiltinTitle() {
    return "TEMBRIX CONVERTOR";
}

std::span<const ControlSpec> form1Controls() {
    return kControls;
}

} // namespace tembrix
