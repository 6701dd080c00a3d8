#include "movements/movementsettingsdialog.h"

#include "movements/meetings.h"
#include "movements/positions.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// SpinEdit1..4 hold the values of these seats.
constexpr std::array<char, 4> spinSeats = {'N', 'E', 'O', 'S'};
} // namespace

MovementSettingsDialog::MovementSettingsDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnRightDlg"), QStringLiteral("Déplacement des joueurs"),
             QStringLiteral("deplace"))
{
    // The four values stand like the seats of a table seen from above.
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(m_panel);
    const QPoint cells[] = {{1, 0}, {2, 1}, {0, 1}, {1, 2}}; // column, row of Nord, Est, Ouest, Sud
    for (size_t i = 0; i < 4; ++i) {
        const QChar seat = QLatin1Char(spinSeats[i]);
        auto *spin = new QSpinBox(m_panel);
        spin->setObjectName(QStringLiteral("SpinEdit%1").arg(i + 1));
        spin->setRange(-4, 4);
        spin->setAutoFillBackground(true);
        connect(spin, &QSpinBox::valueChanged, this,
                [this, seat](int v) { change([&](MovementSettings &s) { s.setValue(seat, v); }); });
        auto *label = new QLabel(seatName(seat), m_panel);
        label->setAlignment(Qt::AlignCenter);
        auto *cell = new QVBoxLayout;
        cell->addWidget(label);
        cell->addWidget(spin);
        grid->addLayout(cell, cells[i].y(), cells[i].x());
        m_values[i] = spin;
    }
    m_panel->setEnabled(false);

    m_fft = new QCheckBox(QStringLiteral("déplacements automatiques FFT"), this);
    m_fft->setObjectName(QStringLiteral("CheckBox1"));
    m_pcn = new QCheckBox(QStringLiteral("coefficient PCN"), this);
    m_pcn->setObjectName(QStringLiteral("CheckBox2"));
    m_coefficient = new QLineEdit(this);
    m_coefficient->setObjectName(QStringLiteral("Edit1"));
    m_coefficient->setMaximumWidth(60);
    m_byRanking = new QCheckBox(QStringLiteral("par rang de classement"), this);
    m_byRanking->setObjectName(QStringLiteral("CheckBox3"));
    connect(m_fft, &QCheckBox::clicked, this, &MovementSettingsDialog::fftToggled);
    connect(m_pcn, &QCheckBox::clicked, this, &MovementSettingsDialog::pcnCoefficientToggled);
    connect(m_byRanking, &QCheckBox::clicked, this, &MovementSettingsDialog::byRankingToggled);
    connect(m_coefficient, &QLineEdit::textEdited, this,
            [this](const QString &text) { change([&](MovementSettings &s) { s.pcnCoefficientText = text; }); });
    auto *pcnRow = new QHBoxLayout;
    pcnRow->addWidget(m_pcn);
    pcnRow->addWidget(m_coefficient);
    pcnRow->addStretch();

    m_plannedRounds = new QSpinBox(this);
    m_plannedRounds->setObjectName(QStringLiteral("plannedRounds"));
    m_plannedRounds->setRange(1, 10); // as many as the positions printout has columns for
    connect(m_plannedRounds, &QSpinBox::valueChanged, this,
            [this](int v) { change([&](MovementSettings &s) { s.plannedRounds = v; }); });
    auto *roundsLabel = new QLabel(QStringLiteral("Tours prévus"), this);
    roundsLabel->setBuddy(m_plannedRounds);
    auto *roundsRow = new QHBoxLayout;
    roundsRow->addWidget(roundsLabel);
    roundsRow->addWidget(m_plannedRounds);
    roundsRow->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(m_panel);
    left->addWidget(m_fft);
    left->addLayout(pcnRow);
    left->addWidget(m_byRanking);
    left->addLayout(roundsRow);

    QBoxLayout *buttons = okCancelButtons(
        [this] {
            state().setModified(true);
            accept();
        },
        QStringLiteral("depltour"), Qt::Vertical);

    m_repeats = new QLabel(this);
    m_repeats->setObjectName(QStringLiteral("repeatMeetingsLabel"));
    m_repeats->setWordWrap(true);
    m_avoid = button(QStringLiteral("applyAvoidingValues"), {});
    connect(m_avoid, &QPushButton::clicked, this, &MovementSettingsDialog::applyAvoidingValues);

    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_repeats);
    layout->addWidget(m_avoid, 0, Qt::AlignLeft);
    showSettings();
    showRepeatMeetings();
    // Whatever changes the settings or the seats, the sentence follows while the dialog is shown.
    state().listen(this, [this](Tournament::Changes what) {
        if (isVisible() && what & (Tournament::Settings | Tournament::Register | Tournament::Seats))
            showRepeatMeetings();
    });
}

void MovementSettingsDialog::activated()
{
    // With the FFT option on the dialog always opens on 0, 2, -2, 1.
    change([](MovementSettings &s) { setAutomaticFft(s, s.fft); });
    showSettings();
    showRepeatMeetings();
}

void MovementSettingsDialog::fftToggled()
{
    change([this](MovementSettings &s) { setAutomaticFft(s, m_fft->isChecked()); });
    showSettings();
}

void MovementSettingsDialog::pcnCoefficientToggled()
{
    change([this](MovementSettings &s) { s.pcnCoefficient = m_pcn->isChecked(); });
    showSettings();
}

void MovementSettingsDialog::byRankingToggled()
{
    change([this](MovementSettings &s) { setByRanking(s, m_byRanking->isChecked()); });
    showSettings();
}

void MovementSettingsDialog::change(const std::function<void(MovementSettings &)> &edit)
{
    MovementSettings settings = state().movement();
    edit(settings);
    state().setMovementSettings(settings);
}

void MovementSettingsDialog::showSettings()
{
    const MovementSettings &s = state().movement();
    const bool locked = valuesLocked(s);
    m_panel->setEnabled(!locked);
    for (size_t i = 0; i < 4; ++i) {
        const QSignalBlocker blocker(m_values[i]);
        m_values[i]->setValue(s.value(QLatin1Char(spinSeats[i])));
        // Locked values look inactive (no edit-field colour) yet stay readable.
        QPalette palette = QApplication::palette(m_values[i]);
        if (locked) {
            palette.setColor(QPalette::Base, palette.color(QPalette::Inactive, QPalette::Window));
            palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Dark));
        }
        m_values[i]->setPalette(palette);
    }
    m_fft->setChecked(s.fft);
    m_byRanking->setChecked(s.byRanking);
    m_pcn->setChecked(s.pcnCoefficient);
    m_coefficient->setText(s.pcnCoefficientText);
    m_coefficient->setEnabled(s.pcnCoefficient);
    const QSignalBlocker blocker(m_plannedRounds);
    m_plannedRounds->setValue(s.plannedRounds);
}

void MovementSettingsDialog::showRepeatMeetings()
{
    const MovementSettings &s = state().movement();
    const QStringList &seated = state().playerRegisterList();
    const qint64 tables = state().tableCount();
    const QString text = repeatMeetingsNotice(s, seated, tables);
    m_repeats->setText(text);
    m_repeats->setVisible(!text.isEmpty());
    m_avoiding = text.isEmpty() ? std::nullopt : valuesAvoidingRepeats(s, seated, tables, s.plannedRounds);
    if (m_avoiding)
        m_avoid->setText(QStringLiteral("Utiliser Nord %1, Est %2, Ouest %3, Sud %4%5")
                             .arg(m_avoiding->nord)
                             .arg(m_avoiding->est)
                             .arg(m_avoiding->ouest)
                             .arg(m_avoiding->sud)
                             .arg(s.fft ? QStringLiteral(" (sans FFT)") : QString()));
    m_avoid->setVisible(m_avoiding.has_value());
    adjustSize();
}

void MovementSettingsDialog::applyAvoidingValues()
{
    if (!m_avoiding)
        return;
    const MovementSettings values = *m_avoiding;
    change([&](MovementSettings &s) { s = values; });
    showSettings();
}
