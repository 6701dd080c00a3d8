#pragma once

#include "windows/dialog.h"

#include <array>

class QComboBox;
class QLineEdit;
class QSpinBox;

// "Echange de deux joueurs": two seats swap their occupants. Controls: ComboBox1, SpinEdit1,
// Edit1 for the first seat; ComboBox2, SpinEdit2, Edit2 for the second; OKBtn, CancelBtn,
// HelpBtn.
class ExchangeDialog : public Dialog
{
    Q_OBJECT
public:
    ExchangeDialog(Tournament &tournament, QWidget *parent);

    // "Echanger les positions".
    void run();

protected:
    void activated() override;

private:
    // `refreshExchange`: the names at the two seats chosen, and OK when they can be exchanged.
    void refreshExchange();
    QString key(int seat) const;
    void exchangeClicked();

    std::array<QComboBox *, 2> m_letters{};
    std::array<QSpinBox *, 2> m_tables{};
    std::array<QLineEdit *, 2> m_names{};
    QPushButton *m_ok = nullptr;
};
