#pragma once

#include "windows/dialog.h"

#include "tournament/tournament.h"

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Déplacement des joueurs": the movement rule, held in the shared state. What the director
// changes takes effect at once; Cancel undoes nothing. Below the values it tells which players
// the plan seats together more than once in the rounds planned, and offers values that avoid it.

class MovementSettingsDialog : public Dialog
{
    Q_OBJECT
public:
    MovementSettingsDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    void fftToggled();            // "déplacements automatiques FFT"
    void pcnCoefficientToggled(); // "coefficient PCN"
    void byRankingToggled();      // "par rang de classement"
    // The settings with edit applied.
    void change(const std::function<void(MovementSettings &)> &edit);
    void showSettings();
    void showRepeatMeetings();
    void applyAvoidingValues();

    QFrame *m_panel = nullptr;
    std::array<QSpinBox *, 4> m_values{}; // SpinEdit1..4: Nord, Est, Ouest, Sud
    QCheckBox *m_fft = nullptr;
    QCheckBox *m_pcn = nullptr;
    QLineEdit *m_coefficient = nullptr;
    QCheckBox *m_byRanking = nullptr;
    QSpinBox *m_plannedRounds = nullptr;
    QLabel *m_repeats = nullptr;
    QPushButton *m_avoid = nullptr;
    std::optional<MovementSettings> m_avoiding; // what m_avoid puts in place
};
