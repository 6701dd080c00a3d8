#pragma once

#include "windows/dialog.h"

#include <array>
#include <functional>

class QCheckBox;
class QFrame;
class QLineEdit;
class QSpinBox;

// "Déplacement des joueurs": the movement rule, held in the shared state. What the director
// changes takes effect at once; Cancel undoes nothing.
struct MovementSettings;

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

    QFrame *m_panel = nullptr;
    std::array<QSpinBox *, 4> m_values{}; // SpinEdit1..4: Nord, Est, Ouest, Sud
    QCheckBox *m_fft = nullptr;
    QCheckBox *m_pcn = nullptr;
    QLineEdit *m_coefficient = nullptr;
    QCheckBox *m_byRanking = nullptr;
};
