#include "live/liveresultsdialog.h"

#include "live/poster.h"
#include "live/qrcode.h"
#include "live/tablecodesheet.h"
#include "live/tableentry.h"
#include "platform/platform.h"
#include "rankings/rankinggrid.h"
#include "store/evening.h"
#include "tournament/plural.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The code drawn module by module, with its quiet zone, in whole pixels.
QPixmap qrPixmap(const QrCode &qr, int module)
{
    const int side = (qr.size + 8) * module;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    for (int y = 0; y < qr.size; ++y)
        for (int x = 0; x < qr.size; ++x)
            if (qr.isDark(x, y))
                painter.fillRect((x + 4) * module, (y + 4) * module, module, module, Qt::black);
    return pixmap;
}

} // namespace

LiveResultsDialog::LiveResultsDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("LiveResults"), QStringLiteral("Résultats en direct"),
             QStringLiteral("direct")),
      m_publication(tournament)
{
    m_publish = new QCheckBox(QStringLiteral("Publier les résultats sur le réseau local"), this);
    m_publish->setObjectName(QStringLiteral("publishBox"));
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("portBox"));
    m_port->setRange(1024, 65535);
    m_port->setValue(8080);
    m_maxConnections = new QSpinBox(this);
    m_maxConnections->setObjectName(QStringLiteral("maxConnectionsBox"));
    m_maxConnections->setRange(10, 10000);
    m_maxConnections->setValue(LiveServerSettings{}.maxConnections);
    m_maxConnections->setToolTip(QStringLiteral("Chaque téléphone ouvre une ou deux connexions."));
    auto *settings = new QFormLayout;
    settings->addRow(QStringLiteral("Port :"), m_port);
    settings->addRow(QStringLiteral("Connexions au plus :"), m_maxConnections);

    m_addresses = new QLabel(this);
    m_addresses->setObjectName(QStringLiteral("addresses"));
    m_addresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_addresses->setWordWrap(true);
    m_qrCode = new QLabel(this);
    m_qrCode->setObjectName(QStringLiteral("qrCode"));
    m_qrCode->setAlignment(Qt::AlignCenter);
    m_connections = new QLabel(this);
    m_connections->setObjectName(QStringLiteral("connections"));

    m_tableEntry = new QCheckBox(QStringLiteral("Saisie des scores aux tables"), this);
    m_tableEntry->setObjectName(QStringLiteral("tableEntryBox"));
    m_tableEntry->setToolTip(QStringLiteral("Chaque table envoie ses scores d'un téléphone avec le code de sa table ; "
                                            "vous les acceptez dans la fenêtre principale."));
    m_autoAccept = new QCheckBox(QStringLiteral("Accepter automatiquement les tables équilibrées"), this);
    m_autoAccept->setObjectName(QStringLiteral("autoAcceptBox"));
    m_autoAccept->setToolTip(QStringLiteral("Une table déjà saisie attend toujours votre accord."));
    m_codes = new QLabel(this);
    m_codes->setObjectName(QStringLiteral("tableCodes"));
    m_codes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_codes->setWordWrap(true);
    m_printCodes = button(QStringLiteral("printCodesButton"), QStringLiteral("Imprimer les &codes des tables"));
    auto *entry = new QVBoxLayout;
    entry->setContentsMargins(20, 0, 0, 0);
    entry->addWidget(m_autoAccept);
    entry->addWidget(m_codes);
    entry->addWidget(m_printCodes, 0, Qt::AlignLeft);

    m_printPoster = button(QStringLiteral("printPosterButton"), QStringLiteral("Imprimer l'&affiche"));
    QPushButton *close = button(QStringLiteral("CloseBtn"), QStringLiteral("Fermer"));
    close->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_printPoster);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("direct")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_publish);
    layout->addLayout(settings);
    layout->addWidget(m_addresses);
    layout->addWidget(m_qrCode);
    layout->addWidget(m_connections);
    layout->addWidget(m_tableEntry);
    layout->addLayout(entry);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_publish, &QCheckBox::toggled, this, &LiveResultsDialog::publishToggled);
    connect(m_printPoster, &QPushButton::clicked, this, &LiveResultsDialog::printPosterClicked);
    connect(m_tableEntry, &QCheckBox::toggled, this, &LiveResultsDialog::tableEntryToggled);
    connect(m_autoAccept, &QCheckBox::toggled, &m_publication, &LivePublication::setAutoAccept);
    connect(m_printCodes, &QPushButton::clicked, this, &LiveResultsDialog::printCodesClicked);
    connect(&m_publication, &LivePublication::failed, this, [](const Outcome &outcome) { report(outcome); });
    // A new round has new codes; the tables locked by wrong codes are named.
    tournament.listen(this, [this](Tournament::Changes changes) {
        // Drawn after the change is told, not while it is.
        if (isVisible() && (changes & (Tournament::TableEntries | Tournament::Rounds | Tournament::Seats)))
            QMetaObject::invokeMethod(this, &LiveResultsDialog::showCodes, Qt::QueuedConnection);
    });
    connect(&m_publication, &LivePublication::lockedTablesChanged, this, [this] {
        if (isVisible())
            showCodes();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_connectionsTimer.setInterval(1000);
    connect(&m_connectionsTimer, &QTimer::timeout, this, &LiveResultsDialog::showConnections);
    connect(this, &QDialog::finished, &m_connectionsTimer, &QTimer::stop);
    showState();
}

void LiveResultsDialog::activated()
{
    showState();
    m_connectionsTimer.start();
}

void LiveResultsDialog::stopPublishing()
{
    m_publication.stop();
    showState();
}

void LiveResultsDialog::publishToggled(bool on)
{
    if (on == m_publication.isRunning())
        return;
    if (!on) {
        m_publication.stop();
    } else {
        LiveServerSettings settings;
        settings.port = quint16(m_port->value());
        settings.maxConnections = m_maxConnections->value();
        report(m_publication.start(settings));
    }
    showState();
}

void LiveResultsDialog::showState()
{
    const bool on = m_publication.isRunning();
    const QSignalBlocker quiet(m_publish);
    m_publish->setChecked(on);
    m_port->setEnabled(!on);
    m_maxConnections->setEnabled(!on);
    m_printPoster->setEnabled(on);
    const QStringList addresses = m_publication.addresses();
    if (!on) {
        m_addresses->setText(QStringLiteral("Les résultats ne sont pas publiés."));
        m_qrCode->clear();
    } else if (addresses.isEmpty()) {
        m_addresses->setText(QStringLiteral("Cet ordinateur n'est relié à aucun réseau : connectez-le au "
                                            "réseau Wi-Fi de la salle, puis publiez de nouveau."));
        m_qrCode->clear();
    } else {
        QStringList lines;
        for (const QString &address : addresses)
            lines << QStringLiteral("<b>%1</b>").arg(address.toHtmlEscaped());
        m_addresses->setText(QStringLiteral("Sur les téléphones, ouvrez :<br>") + lines.join(QStringLiteral("<br>")));
        m_qrCode->setPixmap(qrPixmap(encodeQr(addresses.constFirst().toUtf8()), 5));
    }
    showConnections();
    showCodes();
    adjustSize();
}

void LiveResultsDialog::tableEntryToggled(bool on)
{
    m_publication.setTableEntryOpen(on);
    showCodes();
}

void LiveResultsDialog::showCodes()
{
    const bool publishing = m_publication.isRunning();
    const bool open = m_publication.tableEntryOpen();
    const QSignalBlocker quiet(m_tableEntry);
    m_tableEntry->setEnabled(publishing);
    m_tableEntry->setChecked(open);
    m_autoAccept->setEnabled(open);
    m_printCodes->setEnabled(open);
    m_codes->setVisible(open);
    if (!open)
        return;
    const Result<QStringList> codes = tableentry::codesOfRound(state());
    if (!report(codes.outcome()))
        return;
    QStringList lines;
    if (codes.value().isEmpty())
        lines << QStringLiteral("Les codes des tables sont tirés avec les places du tour.");
    else
        lines << QStringLiteral("Codes des tables du tour %1 :").arg(state().currentRound());
    QStringList row;
    for (qsizetype t = 0; t < codes.value().size(); ++t)
        row << QStringLiteral("%1&nbsp;<b>%2</b>").arg(t + 1).arg(codes.value()[t]);
    if (!row.isEmpty())
        lines << row.join(QStringLiteral(" · "));
    for (const int table : m_publication.lockedTables())
        lines << QStringLiteral("<span style=\"color:#b71c1c\">Table %1 bloquée une minute : cinq codes faux.</span>")
                     .arg(table);
    m_codes->setText(lines.join(QStringLiteral("<br>")));
}

void LiveResultsDialog::printCodesClicked()
{
    const Result<QStringList> codes = tableentry::codesOfRound(state());
    if (!report(codes.outcome()))
        return;
    if (codes.value().isEmpty()) {
        platform().messages->warning(QStringLiteral("Impossible"),
                                     QStringLiteral("Les places du tour ne sont pas encore tirées."));
        return;
    }
    bool begun = false;
    {
        const BusyCursor busy;
        begun = printTableCodes(*platform().printing->canvas(QStringLiteral("Codes des tables")), state().printFont(),
                                state(), codes.value());
    }
    reportPrinting(begun);
}

void LiveResultsDialog::showConnections()
{
    if (!m_publication.isRunning()) {
        m_connections->clear();
        return;
    }
    const int n = m_publication.connectionCount();
    m_connections->setText(
        n == 0 ? QStringLiteral("Aucune connexion ouverte")
               : plural(n, QStringLiteral("%1 connexion ouverte"), QStringLiteral("%1 connexions ouvertes")));
}

void LiveResultsDialog::printPosterClicked()
{
    bool begun = false;
    {
        const BusyCursor busy;
        begun = printPoster(*platform().printing->canvas(QStringLiteral("Résultats en direct")), state().printFont(),
                            descriptionText(state()), m_publication.addresses());
    }
    reportPrinting(begun);
}
