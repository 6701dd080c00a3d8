#include "live/livepublication.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>

namespace {

LiveResponse json(int status, const QJsonObject &object)
{
    LiveResponse r;
    r.status = status;
    r.contentType = QByteArrayLiteral("application/json; charset=utf-8");
    r.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return r;
}

LiveResponse refused(int status, const QString &why)
{
    return json(status, {{QStringLiteral("erreur"), why}});
}

} // namespace

LivePublication::LivePublication(Tournament &tournament, QObject *parent)
    : QObject(parent), m_tournament(tournament), m_content(tournament),
      m_server([this](QByteArrayView path, QByteArrayView query) { return m_content.answer(path, query); },
               [this](QByteArrayView contentType, QByteArrayView body) { return submit(contentType, body); })
{
    m_clock.start();
    // The phones hear once of the several changes one command makes.
    m_tellPhones.setSingleShot(true);
    m_tellPhones.setInterval(100);
    connect(&m_tellPhones, &QTimer::timeout, this, [this] { m_server.publish(m_content.version()); });
    tournament.listen(this, [this](Tournament::Changes changes) {
        // A table's page tells what waits for it; no other page changes with a submission, nor
        // with a save.
        if (changes & Tournament::TableEntries)
            m_server.forgetAnswers();
        // The slips of a new round need its codes before its first table sends its scores.
        if (tableEntryOpen() && (changes & (Tournament::Rounds | Tournament::Seats)))
            QMetaObject::invokeMethod(this, &LivePublication::drawCodes, Qt::QueuedConnection);
        if (!Tournament::touchesContent(changes))
            return;
        m_content.invalidate();
        m_server.forgetAnswers();
        if (m_server.isRunning())
            m_tellPhones.start();
    });
}

Outcome LivePublication::start(const LiveServerSettings &settings)
{
    m_content.invalidate(); // a new publication starts from the tournament as it is now
    return m_server.start(settings);
}

void LivePublication::stop()
{
    m_tellPhones.stop();
    m_server.stop();
    setTableEntryOpen(false); // a new publication takes no scores until the director says so
}

void LivePublication::drawCodes()
{
    if (const Result<QStringList> codes = tableentry::codesOfRound(m_tournament); !codes.ok())
        emit failed(codes.outcome());
}

void LivePublication::setTableEntryOpen(bool open)
{
    m_tableEntryOpen = open;
    if (tableEntryOpen())
        drawCodes();
    m_content.setTableEntryOpen(open);
    m_server.forgetAnswers();
}

LiveResponse LivePublication::submit(QByteArrayView contentType, QByteArrayView body)
{
    if (!m_tableEntryOpen)
        return refused(403, QStringLiteral("La saisie des scores aux tables n'est pas ouverte."));
    const tableentry::Sent sent = tableentry::readSent(contentType, body);
    if (!sent.refusal.isEmpty())
        return refused(400, sent.refusal);
    const QList<int> locked = lockedTables();
    const Result<QString> received =
        tableentry::receiveSubmission(m_tournament, sent.code, sent.submission, m_locks, m_clock.elapsed());
    if (lockedTables() != locked) {
        emit lockedTablesChanged();
        QTimer::singleShot(tableentry::CodeLocks::lockMilliseconds, this, &LivePublication::lockedTablesChanged);
    }
    if (!received.ok()) {
        emit failed(received.outcome());
        return refused(500, QStringLiteral("Les scores n'ont pas pu être enregistrés : prévenez l'arbitre."));
    }
    if (!received.value().isEmpty())
        return refused(400, received.value());
    const int table = sent.submission.table;
    if (m_autoAccept && !tableentry::wouldReplace(m_tournament, table)) {
        const Result<tableentry::Acceptance> accepted = tableentry::acceptSubmission(m_tournament, table);
        if (!accepted.ok())
            emit failed(accepted.outcome());
        else if (accepted.value().refusal.isEmpty()) // tour.tmp holds it
            return json(200, {{QStringLiteral("etat"), QStringLiteral("saisie")},
                              {QStringLiteral("message"),
                               QStringLiteral("Scores validés : la table %1 est saisie.").arg(table)}});
    }
    return json(200, {{QStringLiteral("etat"), QStringLiteral("proposée")},
                      {QStringLiteral("message"), QStringLiteral("Reçu, en attente de validation")}});
}

QStringList LivePublication::addresses() const
{
    QStringList found;
    if (!m_server.isRunning())
        return found;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            // Phones type an IPv4 address; a link-local one means no network gave this computer one.
            if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLinkLocal())
                continue;
            found << QStringLiteral("http://%1:%2/").arg(ip.toString()).arg(m_server.port());
        }
    }
    return found;
}
