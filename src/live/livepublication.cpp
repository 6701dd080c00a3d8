#include "live/livepublication.h"

#include <QNetworkInterface>

LivePublication::LivePublication(Tournament &tournament, QObject *parent)
    : QObject(parent), m_content(tournament),
      m_server([this](QByteArrayView path, QByteArrayView query) { return m_content.answer(path, query); })
{
    // The phones hear once of the several changes one command makes.
    m_tellPhones.setSingleShot(true);
    m_tellPhones.setInterval(100);
    connect(&m_tellPhones, &QTimer::timeout, this, [this] { m_server.publish(m_content.version()); });
    tournament.listen(this, [this](Tournament::Changes changes) {
        // Saving changes no page.
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
