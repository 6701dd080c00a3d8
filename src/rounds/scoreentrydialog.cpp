#include "rounds/scoreentrydialog.h"

#include "rounds/rounds.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLineEdit *displayField(QWidget *parent, const QString &name, int width)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedWidth(width);
    return edit;
}

} // namespace

ScoreEntryDialog::ScoreEntryDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnRightDlg1"), QStringLiteral("Saisie des résultats"),
             QStringLiteral("sommaire"))
{
    auto *grid = new QGridLayout;
    m_tour = displayField(this, QStringLiteral("tour"), 50);
    m_tour->setFrame(false);
    m_tour->setStyleSheet(QStringLiteral("background: transparent;"));
    m_tour->setText(QStringLiteral("1"));
    m_table = new QSpinBox(this);
    m_table->setObjectName(QStringLiteral("SpinEdit1"));
    m_table->setRange(1, 1);
    m_table->setMinimumWidth(60);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("TOUR"), this));
    top->addWidget(m_tour);
    top->addSpacing(20);
    top->addWidget(new QLabel(QStringLiteral("TABLE"), this));
    top->addWidget(m_table);
    top->addStretch();
    m_comment = new QLabel(QStringLiteral("nombre de tables restant à saisir :"), this);
    m_comment->setObjectName(QStringLiteral("comment"));
    m_sum = new QLabel(this);
    m_sum->setObjectName(QStringLiteral("sum"));

    const char *seats[] = {"nord", "sud", "est", "ouest"};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(seats[i]), this), 0, i, Qt::AlignHCenter);
        m_edits[size_t(i)] = displayField(this, QStringLiteral("Edit%1").arg(i + 1), 40);
        m_edits[size_t(4 + i)] = displayField(this, QStringLiteral("Edit%1").arg(i + 5), 150);
        auto *score = new QLineEdit(this);
        score->setObjectName(QStringLiteral("Edit%1").arg(i + 9));
        score->setFixedWidth(80);
        score->installEventFilter(this);
        connect(score, &QLineEdit::textChanged, this, &ScoreEntryDialog::scoresChanged);
        m_edits[size_t(8 + i)] = score;
        grid->addWidget(m_edits[size_t(i)], 1, i, Qt::AlignHCenter);
        grid->addWidget(m_edits[size_t(4 + i)], 2, i);
        grid->addWidget(score, 3, i, Qt::AlignHCenter);
    }
    for (int i = 0; i < 3; ++i)
        setTabOrder(scoreBox(i), scoreBox(i + 1));

    m_ok = button(QStringLiteral("OKBtn"), QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    auto *clear = button(QStringLiteral("CancelBtn"), QStringLiteral("Effacer"));
    auto *quit = button(QStringLiteral("BitBtn1"), QStringLiteral("Quitter"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_sum);
    buttons->addWidget(m_ok);
    buttons->addWidget(clear);
    buttons->addWidget(helpButton(QStringLiteral("deroulement")));
    buttons->addStretch();
    buttons->addWidget(quit);

    auto *left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(m_comment);
    left->addLayout(grid);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    connect(m_table, &QSpinBox::valueChanged, this, &ScoreEntryDialog::refreshTable);
    connect(m_ok, &QPushButton::clicked, this, &ScoreEntryDialog::recordTableClicked);
    connect(clear, &QPushButton::clicked, this, &ScoreEntryDialog::clearScoresClicked);
    connect(quit, &QPushButton::clicked, this, &ScoreEntryDialog::quitClicked);
}

void ScoreEntryDialog::openAtTable(int table)
{
    m_table->setMaximum(int(qMax<qint64>(1, state().tableCount())));
    m_table->setValue(table);
    exec();
}

void ScoreEntryDialog::activated()
{
    Tournament &s = state();
    const qint64 tables = s.tableCount();
    m_tour->setText(QString::number(s.currentRound()));
    m_table->setMaximum(int(qMax<qint64>(1, tables)));
    // A round partly entered already: what remains, as after a table.
    m_comment->setText(s.scoreList().isEmpty() ? rounds::tablesToEnterText(tables) : rounds::progressText(s));
    refreshTable();
    focusFirstScoreBox();
}

void ScoreEntryDialog::focusFirstScoreBox()
{
    for (int i = 0; i < 4; ++i)
        if (!scoreBox(i)->isReadOnly()) {
            scoreBox(i)->setFocus();
            return;
        }
}

void ScoreEntryDialog::refreshTable()
{
    const rounds::TableEntry entry = rounds::tableEntry(state(), m_table->value());
    m_seated = entry.seated;
    for (size_t i = 0; i < 4; ++i) {
        m_edits[i]->setText(entry.seated.shown[i]);
        m_edits[4 + i]->setText(entry.names[i]);
        QLineEdit *score = m_edits[8 + i];
        score->setText(entry.scores[i]);
        // An empty chair's box holds its 0 and takes no typing.
        score->setReadOnly(entry.emptyChairs[i]);
        score->setFocusPolicy(entry.emptyChairs[i] ? Qt::NoFocus : Qt::StrongFocus);
    }
    scoresChanged();
}

std::array<QString, 4> ScoreEntryDialog::boxes() const
{
    return {scoreBox(0)->text(), scoreBox(1)->text(), scoreBox(2)->text(), scoreBox(3)->text()};
}

void ScoreEntryDialog::scoresChanged()
{
    const std::array<QString, 4> typed = boxes();
    const bool balanced = rounds::balanced(typed);
    m_ok->setEnabled(balanced);
    qint64 sum = 0;
    for (int i = 0; i < 4; ++i) {
        const std::optional<qint64> v = rounds::scoreValue(typed[size_t(i)]);
        sum += v.value_or(0);
        // A box that holds no whole number is marked; an empty chair's is greyed.
        scoreBox(i)->setStyleSheet(!v                          ? QStringLiteral("QLineEdit { background: #ffd0d0; }")
                                   : scoreBox(i)->isReadOnly() ? QStringLiteral("QLineEdit { background: #e4e4e4; }")
                                                               : QString());
        scoreBox(i)->setToolTip(v ? QString() : QStringLiteral("Tapez un nombre entier."));
    }
    m_sum->setText(QStringLiteral("Somme : ") + (sum > 0 ? QStringLiteral("+") : QString()) + QString::number(sum));
    m_sum->setStyleSheet(balanced ? QString() : QStringLiteral("color: #c00000;"));
}

bool ScoreEntryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return Dialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return Dialog::eventFilter(watched, event);
    // Enter records a balanced table, and otherwise goes on to the next box that takes typing.
    if (m_ok->isEnabled()) {
        m_ok->click();
    } else {
        for (int i = 0; i < 4; ++i)
            if (watched == scoreBox(i)) {
                for (int next = (i + 1) % 4; next != i; next = (next + 1) % 4)
                    if (!scoreBox(next)->isReadOnly()) {
                        scoreBox(next)->setFocus();
                        break;
                    }
                break;
            }
    }
    return true;
}

void ScoreEntryDialog::recordTableClicked()
{
    std::array<QString, 4> typed = boxes();
    const Result<int> recorded = rounds::recordTable(state(), m_seated.seatCodes, typed);
    const int empty = recorded.value();
    for (int i = 0; i < 4; ++i)
        if (scoreBox(i)->text() != typed[size_t(i)])
            scoreBox(i)->setText(typed[size_t(i)]);
    if (empty >= 0) {
        scoreBox(empty)->setFocus();
        return;
    }
    report(recorded.outcome());
    m_comment->setText(rounds::progressText(state()));
    m_ok->setEnabled(false);
    {
        const QSignalBlocker blocker(m_table);
        m_table->setValue(m_table->value() % m_table->maximum() + 1);
    }
    refreshTable();
    focusFirstScoreBox();
}

void ScoreEntryDialog::clearScoresClicked()
{
    for (int i = 0; i < 4; ++i)
        if (!scoreBox(i)->isReadOnly()) // an empty chair keeps its score
            scoreBox(i)->clear();
    m_ok->setEnabled(false);
}

void ScoreEntryDialog::quitClicked()
{
    if (m_ok->isEnabled())
        recordTableClicked();
    Tournament &s = state();
    // Each recorded table is on disk already; a round left with no table still gets its tour.tmp.
    if (!s.roundStarted())
        report(s.setScores(s.scoreList()));
    accept();
}
