#include "movements/positionsviewdialog.h"
#include "tournament/workingfilenames.h"

#include "movements/positions.h"
#include "platform/platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int pictureWidth = 360;
constexpr int pictureHeight = 270;

// A card table seen from above: four chairs, the green cloth and a few cards, with room on
// every side for a label.
QPixmap tablePicture()
{
    QPixmap picture(pictureWidth, pictureHeight);
    picture.fill(QColor(250, 247, 238));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect table(95, 55, 170, 160);
    const QColor chair(122, 82, 48);
    p.setPen(QPen(chair.darker(140), 2));
    p.setBrush(chair);
    p.drawRoundedRect(QRect(150, 26, 60, 34), 8, 8);  // Nord
    p.drawRoundedRect(QRect(150, 210, 60, 34), 8, 8); // Sud
    p.drawRoundedRect(QRect(66, 105, 34, 60), 8, 8);  // Ouest
    p.drawRoundedRect(QRect(260, 105, 34, 60), 8, 8); // Est
    p.setPen(QPen(QColor(92, 60, 40), 8));
    p.setBrush(QColor(40, 122, 60));
    p.drawRoundedRect(table, 12, 12);
    // The dealt cards, one in front of each seat, and the dog in the middle.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    const QRect cards[] = {{168, 72, 24, 34}, {168, 164, 24, 34}, {112, 118, 34, 24}, {214, 118, 34, 24}};
    for (const QRect &card : cards)
        p.drawRoundedRect(card, 3, 3);
    p.setBrush(QColor(176, 32, 40));
    p.drawRoundedRect(QRect(166, 118, 14, 22), 2, 2);
    p.drawRoundedRect(QRect(182, 120, 14, 22), 2, 2);
    return picture;
}

} // namespace

PositionsViewDialog::PositionsViewDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg7"), QStringLiteral("Visualiser les positions"),
             QStringLiteral("sommaire")),
      m_bare(tablePicture())
{
    m_round = new QSpinBox(this);
    m_round->setObjectName(QStringLiteral("SpinEdit1"));
    m_round->setRange(1, 99);
    m_table = new QSpinBox(this);
    m_table->setObjectName(QStringLiteral("SpinEdit2"));
    m_table->setRange(1, 1);
    connect(m_round, &QSpinBox::valueChanged, this, &PositionsViewDialog::drawLabels);
    connect(m_table, &QSpinBox::valueChanged, this, &PositionsViewDialog::drawLabels);
    auto *fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Tour"), this));
    fields->addWidget(m_round);
    fields->addSpacing(20);
    fields->addWidget(new QLabel(QStringLiteral("table"), this));
    fields->addWidget(m_table);
    fields->addStretch();

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setFixedSize(m_bare.size());
    m_image->setScaledContents(true);
    m_image->setPixmap(m_bare);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *print = new QPushButton(QStringLiteral("Impression"), this);
    print->setObjectName(QStringLiteral("ImpressionBtn"));
    print->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &PositionsViewDialog::printClicked);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(helpButton(QStringLiteral("tournoi")));
    buttons->addWidget(print);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_image, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
}

void PositionsViewDialog::activated()
{
    Tournament &s = state();
    m_table->setMaximum(qMax(1, s.tableCount()));
    // Once the view is on screen: a box opened while it is being shown leaves it unsized.
    if (isSpecialTableCount(s.tableCount()))
        QTimer::singleShot(0, this, [] {
            platform().messages->show(
                QStringLiteral("Attention"),
                QStringLiteral("Pour les déplacements spéciaux, utilisez seulement l'impression !"),
                Messages::Icon::Warning, Messages::Ok);
        });
    drawLabels();
}

void PositionsViewDialog::drawLabels()
{
    const SeatedTable seated = tableInRound(state(), m_table->value(), m_round->value());
    const std::array<QString, 4> labels = viewLabels(seated);
    QPixmap picture = m_bare;
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPointSize(12);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    QStringList described;
    for (const size_t i : {0, 3, 2, 1}) { // Nord, Ouest, Est, Sud
        const QString &text = labels[i];
        const QSize size(metrics.horizontalAdvance(text), metrics.height());
        const QPoint at = viewLabelOrigin(QLatin1Char(seatLetters[i]), picture.width(), picture.height(), size.width(),
                                          size.height());
        painter.drawText(at.x(), at.y() + metrics.ascent(), text);
        described << text;
    }
    painter.end();
    m_image->setPixmap(picture);
    // What the picture says, for screen readers.
    m_image->setAccessibleDescription(described.join(QStringLiteral(", ")));
}

void PositionsViewDialog::printClicked()
{
    emit printRequested();
}
