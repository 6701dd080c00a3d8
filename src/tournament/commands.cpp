#include "tournament/commands.h"

namespace {
constexpr bool E = true, D = false, V = true, H = false;
} // namespace

const std::array<CommandInfo, commandCount> &commandTable()
{
    static const std::array<CommandInfo, commandCount> table = {{
        {Cmd::MenuTournoi, Cmd::MenuTournoi, "Tournoi", E, V, false},
        {Cmd::Nouveau, Cmd::MenuTournoi, "Nouveau", E, V, false, "Ctrl+N"},
        {Cmd::Ouvrir, Cmd::MenuTournoi, "&Ouvrir", D, V, false, "Ctrl+O"},
        {Cmd::Enregistrer, Cmd::MenuTournoi, "&Enregistrer", D, V, false, "Ctrl+S"},
        {Cmd::EnregistrerSous, Cmd::MenuTournoi, "Enregistrer &sous...", D, V, false, "Ctrl+Shift+S"},
        {Cmd::Importer, Cmd::MenuTournoi, "Importer", E, V, false},
        {Cmd::Exporter, Cmd::MenuTournoi, "Exporter", E, V, false},
        {Cmd::Saison, Cmd::MenuTournoi, "S&aison...", E, V, false},
        {Cmd::ResultatsDirect, Cmd::MenuTournoi, "Résultats en direct...", E, V, false},
        {Cmd::Deplacements, Cmd::MenuTournoi, "&Déplacements", E, V, true},
        {Cmd::OptionImpression, Cmd::MenuTournoi, "option d'&Impression", E, V, false},
        {Cmd::ConfigurationImprimante, Cmd::MenuTournoi, "&Configuration imprimante", E, V, false},
        {Cmd::Quitter, Cmd::MenuTournoi, "&Quitter", E, V, true},

        {Cmd::MenuJoueurs, Cmd::MenuJoueurs, "Joueurs", E, V, false},
        {Cmd::Inscription, Cmd::MenuJoueurs, "&Inscription", E, V, false},
        {Cmd::AttribuerPositions, Cmd::MenuJoueurs, "&Attribuer les positions", D, V, false},
        {Cmd::AnnulerAttribution, Cmd::MenuJoueurs, "&Annuler l'attribution", E, H, false},
        {Cmd::Visualisation, Cmd::MenuJoueurs, "&Visualisation", E, V, false},
        {Cmd::ImpressionJoueurs, Cmd::MenuJoueurs, "&Impression", E, V, false},
        {Cmd::DerniereMinute, Cmd::MenuJoueurs, "Dernière minute", E, V, true},
        {Cmd::CompleterTable, Cmd::DerniereMinute, "Compléter une table", E, H, false},
        {Cmd::AjouterTable, Cmd::DerniereMinute, "Ajouter une table", E, V, false},
        {Cmd::EchangerPositions, Cmd::DerniereMinute, "Echanger les positions", E, H, false},
        {Cmd::CorrigerNom, Cmd::MenuJoueurs, "Corriger un nom", E, V, false},

        {Cmd::MenuTables, Cmd::MenuTables, "Tables", E, V, false},
        {Cmd::SaisieResultats, Cmd::MenuTables, "&Saisie des résultats", E, V, false, "Ctrl+R"},
        {Cmd::ModifierTour, Cmd::MenuTables, "&Modifier un tour antérieur", E, H, false},
        {Cmd::VoirTour, Cmd::MenuTables, "&Voir un tour antérieur", E, V, false},
        {Cmd::VoirPosition, Cmd::MenuTables, "V&oir la position des joueurs", E, V, false},
        {Cmd::ImprimerPosition, Cmd::MenuTables, "&Imprimer la position", E, V, false},
        {Cmd::Penaliser, Cmd::MenuTables, "&Pénaliser un joueur", E, V, true},
        {Cmd::Intervertir, Cmd::MenuTables, "intervertir &deux joueurs", E, V, false},
        {Cmd::Exclure, Cmd::MenuTables, "&Exclure un joueur", E, V, false},
        {Cmd::AnnulerTour, Cmd::MenuTables, "Annuler le tour en cours", E, V, false},

        {Cmd::MenuClassements, Cmd::MenuClassements, "Classements", E, V, false},
        {Cmd::ClassementGeneral, Cmd::MenuClassements, "Général", E, V, false, "Ctrl+G"},
        {Cmd::ClassementTour, Cmd::MenuClassements, "Tour", E, V, false, "Ctrl+T"},
        {Cmd::PointsClassement, Cmd::MenuClassements, "Points de classement", E, H, false},
        {Cmd::AffichageSalle, Cmd::MenuClassements, "Affichage en salle", E, V, true},

        {Cmd::MenuAide, Cmd::MenuAide, "?", E, V, false},
        {Cmd::Aide, Cmd::MenuAide, "Aide", E, V, false},
        {Cmd::APropos, Cmd::MenuAide, "A propos de...", E, V, false},
        {Cmd::Diagnostic, Cmd::MenuAide, "diagnostic", E, V, false},
    }};
    return table;
}

QString caption(Cmd cmd)
{
    return QString::fromUtf8(commandTable()[size_t(cmd)].caption);
}

MenuState::MenuState()
{
    for (const CommandInfo &info : commandTable()) {
        m_enabled[size_t(info.cmd)] = info.enabled;
        m_visible[size_t(info.cmd)] = info.visible;
    }
}
