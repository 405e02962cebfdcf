#include "formats/OrientationChoice.h"

#include "platform/Dialogs.h"
#include "platform/Sounds.h"

OrientationChoice::OrientationChoice(PrintMode current, Dialogs& dialogs, Sounds& sounds)
    : m_dialogs(dialogs), m_sounds(sounds), m_checked(current) {}

void OrientationChoice::check(PrintMode mode) {
    if (mode == m_checked)
        return;
    const PrintMode previous = m_checked;
    m_checked = mode;
    m_sounds.play(Cue::Son000);
    m_dialogs.information(QString::fromUtf8(kNoticeTitle), notice(previous, mode));
}

QString OrientationChoice::notice(PrintMode previous, PrintMode next) {
    QString text = QStringLiteral("Vous venez de choisir le positionnement suivant :\r\n\r\n") +
                   QString::fromUtf8(printModeInfo(next).choiceNotice) +
                   QStringLiteral("\r\n\r\n\r\n(L'ancien choix était le positionnement ") +
                   QString::fromUtf8(printModeInfo(previous).oldChoiceText);
    if (next == PrintMode::PrintA4Bas)
        text += QStringLiteral("\r\n\r\nCE POSITIONNEMENT SÉLECTIONNÉ PERMET D'OBTENIR UN ENTÊTE "
                               "LIÉ AU MODULE DE SÉRIES AUTOMATIQUES.");
    return text;
}

QString OrientationChoice::explanation(PrintMode mode) {
    switch (mode) {
    case PrintMode::PrintHorizontal:
        return QStringLiteral(
            "Ce positionnement générique \"Impression hozontale (par défaut)\" est proposé par "
            "défaut.\r\n"
            "C'est l'idéal si votre imprimante accepte d'entrainer correctement le chèque disposé "
            "horizontalement, sans que ce dernier parte en travers. \r\n"
            "Mais très peu d'imprimantes sont étudiées pour un entraînement correct, reposant sur "
            "la longeur d'un chèque.    \r\n"
            "Si lors des tests d'impression, seule la moitié gauche du chèque s'imprime, essayez "
            "le positionnement \"Vertical 3\". \r\n"
            "Sinon, si les tests ne sont pas convaicants, faut tester le positionnement vertical "
            "suivant. \r\n"
            "Le réglage de chaque ligne de saisie, correspondant à votre format bancaire, se "
            "découvre en cliquant sur la petite flèche pointant vers le bas, située au bas à "
            "droite de l'interface principale. \r\n"
            "Veuillez consulter attentivement la Foire Aux Questions, dont la n°8 et n°14. \r\n"
            "Pour ce format, aucun réglage de compensation en axe X ni en Y n'est disponible. \r\n"
            "L'image ci-dessous illustre la base de ce positionnement sur une feuille de test A4.");
    case PrintMode::PrintVertical:
        return QStringLiteral(
            "Ce positionnnement générique \"Impression verticale standard\" est conseillé à tester "
            "en premier, si le positionnement horizontal standard à l'impression part en travers. "
            "\r\n"
            "Si les tests ne sont pas convaicants, faut tester le positionnement vertical 2 "
            "suivant. \r\n"
            "Le réglage de chaque ligne de saisie, correspondant à votre format bancaire, se "
            "découvre en cliquant sur la petite flèche pointant vers le bas, située au bas à "
            "droite de l'interface principale. \r\n"
            "Veuillez consulter attentivement la Foire Aux Questions, dont la n°8.\r\n"
            "Pour cas difficiles vous pouvez régler une compensation d'axe, voir en onglet "
            "\"Paramètres avancés\" : réglage Y inclus.\r\n"
            "L'image ci-dessous illustre la base de ce positionnement sur une feuille de test A4.");
    case PrintMode::PrintVertical2:
        return QStringLiteral(
            "Ce positionnnement générique \"Impression verticale 2\" est conseillé à tester sur "
            "les modèles d'imprimantes HP (les autres marques également).\r\n"
            "Mais surtout si le positionnement précédent ne donne pas entière satisfaction.\r\n"
            "De toute façon, rien ne remplace les tests en impression, sur des morceaux de "
            "feuilles découpées au format bancaire.\r\n"
            "Le réglage de chaque ligne de saisie, correspondant à votre format bancaire, se "
            "découvre en cliquant sur la petite flèche pointant vers le bas, située au bas à "
            "droite de l'interface principale.\r\n"
            "Veuillez consulter attentivement la Foire Aux Questions, dont la n°8 et n°108.\r\n"
            "Pour cas difficiles vous pouvez régler une compensation d'axe, voir en onglet "
            "\"Paramètres avancés\" : réglage Y inclus.\r\n"
            "L'image ci-dessous illustre la base de ce positionnement sur une feuille de test A4.");
    case PrintMode::PrintVertical3:
        return QStringLiteral(
            "Ce positionnnement générique \"Impression verticale 3\" est conseillé à tester sur "
            "les modèles d'imprimantes HP Photosmart (les autres marques également).\r\n"
            "Mais surtout si le positionnement précédent ne donne pas entière satisfaction.\r\n"
            "De toute façon, rien ne remplace les tests en impression, sur des morceaux de "
            "feuilles découpées au format bancaire.\r\n"
            "Le réglage de chaque ligne de saisie, correspondant à votre format bancaire, se "
            "découvre en cliquant sur la petite flèche pointant vers le bas, située au bas à "
            "droite de l'interface principale.\r\n"
            "Veuillez consulter attentivement la Foire Aux Questions, dont la n°8 et n°108.\r\n"
            "Pour cas difficiles vous pouvez régler une compensation d'axe, voir en onglet "
            "\"Paramètres avancés\" : réglage Y inclus.\r\n"
            "L'image ci-dessous illustre la base de ce positionnement sur une feuille de test A4.");
    case PrintMode::PrintCenterLaser:
        return QStringLiteral(
            "Ce positionnnement générique \"Impression centrale verticale spéciale laser\" est "
            "conseillé à tester sur certains modèles d'imprimantes laser, le principe de réglage "
            "du bac à feuilles repose sur le rapprochement de deux taquets latéraux se "
            "positionnant directement au centre de l'entrée équipée d'un galet d'entraînement.\r\n"
            "Contrairement aux autres imprimantes, ne possédant qu'un seul taquet.\r\n"
            "Sans cette option spéciale d'impression, il serait impossible d'imprimer le contenu "
            "d'un chèque car le positionnement d'impression est totalement différent.\r\n"
            "Le réglage de chaque ligne de saisie, correspondant à votre format bancaire, se "
            "découvre en cliquant sur la petite flèche pointant vers le bas, située au bas à "
            "droite de l'interface principale.\r\n"
            "Veuillez consulter attentivement la Foire Aux Questions, dont la n°8 et n°21.\r\n"
            "Pour cas difficiles vous pouvez régler une compensation d'axe, voir en onglet "
            "\"Paramètres avancés 2\" : réglages X et Y inclus.\r\n"
            "L'image ci-dessous illustre la base de ce positionnement sur une feuille de test A4.");
    case PrintMode::PrintCentral:
        return QStringLiteral(
            "Vous possédez une superbe imprimante multifonction, mais aucun réglage de largeur en "
            "format de papier n'est disponible ?\r\n"
            "Seules les feuilles A4 passent ; il est donc impossible de placer un format papier "
            "inférieur ? \r\n"
            "Alors ce positionnement générique \"Impression centrale A4 via scotchage\" est fait "
            "pour vous. Sans cette option très spéciale, vous ne pourriez imprimer vos chèques.\r\n"
            "Pensez déjà à imprimer un gabarit d'impression adapté à cette fonction, pour cela : "
            "\r\n"
            "clic sur la deuxième icône en haut de l'interface principale, et ensuite item "
            "\"Imprimer le gabarit d'impression centrale\".\r\n"
            "Le réglage de chaque ligne de saisie, correspondant à votre format bancaire, se "
            "découvre en cliquant sur la petite flèche pointant vers le bas, située au bas à "
            "droite de l'interface principale.\r\n"
            "Veuillez consulter attentivement la Foire Aux Questions, dont les n°8, 14, 17, 86 et "
            "116.\r\n"
            "Pour ce format, aucun réglage de compensation en axe X ni en Y n'est disponible, "
            "puisque ces paramètres correspondent exactement au gabarit d'impression.\r\n"
            "L'image ci-dessous illustre exactement ce positionnement sur une feuille A4.");
    case PrintMode::PrintA4Bas:
        return QStringLiteral(
            "Ce positionnement générique \"Impression basse A4 sur préimprimé\" est étudié afin "
            "d'éditer des lettres chèques sous format A4.\r\n"
            "L'option de cette édition se situe sous la case à cocher de ce positionnement : "
            "\"Éditer le texte riche d'entête\". \r\n"
            "Le réglage de chaque ligne de saisie, correspondant à votre format bancaire, se "
            "découvre en cliquant sur la petite flèche pointant vers le bas, située au bas à "
            "droite de l'interface principale.\r\n"
            "Veuillez consulter attentivement la Foire Aux Questions, dont les n° 8, 84, 95, 97, "
            "et 99.\r\n"
            "Pour cas difficiles vous pouvez régler une compensation d'axe, voir en onglet "
            "\"Paramètres avancés 2\" : réglages X et Y inclus.\r\n"
            "L'image ci-dessous illustre exactement ce positionnement sur une feuille A4.");
    }
    return {};
}
