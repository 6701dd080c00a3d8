#pragma once

#include <QString>

#include <array>

// Every menu and command of the main window.
enum class Cmd {
    MenuTournoi,
    Nouveau,
    Ouvrir,
    Enregistrer,
    EnregistrerSous,
    Importer,
    Exporter,
    Saison,
    ResultatsDirect,
    Deplacements,
    OptionImpression,
    ConfigurationImprimante,
    Quitter,
    MenuJoueurs,
    Inscription,
    AttribuerPositions,
    AnnulerAttribution,
    Visualisation,
    ImpressionJoueurs,
    DerniereMinute,
    CompleterTable,
    AjouterTable,
    EchangerPositions,
    CorrigerNom,
    MenuTables,
    SaisieResultats,
    ModifierTour,
    VoirTour,
    VoirPosition,
    ImprimerPosition,
    Penaliser,
    Intervertir,
    Exclure,
    AnnulerTour,
    MenuClassements,
    ClassementGeneral,
    ClassementTour,
    PointsClassement,
    AffichageSalle,
    MenuAide,
    Aide,
    APropos,
    Diagnostic,
    Count
};

constexpr int commandCount = int(Cmd::Count);

struct CommandInfo
{
    Cmd cmd;
    Cmd parent;          // the menu (or submenu) it stands in; itself for a top-level menu
    const char *caption; // UTF-8, with its '&'
    bool enabled;
    bool visible;
    bool separatorBefore;
    const char *shortcut = nullptr; // in Qt's portable form, "Ctrl+Shift+S"; shown in the menu
};

// In menu-bar order, with the initial state of each command.
const std::array<CommandInfo, commandCount> &commandTable();
QString caption(Cmd cmd);

// The enabled and visible state of every command. Operations change it; the main window
// shows it after every command.
class MenuState
{
public:
    MenuState();
    static MenuState initial() { return {}; }

    void enable(Cmd cmd, bool on = true)
    {
        m_enabled[size_t(cmd)] = on;
        if (cmd == Cmd::Enregistrer) // "Enregistrer sous..." goes with it, always
            m_enabled[size_t(Cmd::EnregistrerSous)] = on;
        if (cmd == Cmd::Inscription) // players are imported while registration is open
            m_enabled[size_t(Cmd::Importer)] = on;
    }
    void disable(Cmd cmd) { enable(cmd, false); }
    void show(Cmd cmd, bool on = true) { m_visible[size_t(cmd)] = on; }
    void hide(Cmd cmd) { show(cmd, false); }

    bool isEnabled(Cmd cmd) const { return m_enabled[size_t(cmd)]; }
    bool isVisible(Cmd cmd) const { return m_visible[size_t(cmd)]; }
    bool operator==(const MenuState &other) const = default;

private:
    std::array<bool, commandCount> m_enabled{};
    std::array<bool, commandCount> m_visible{};
};
