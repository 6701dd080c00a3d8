#include "support/tournaments.h"

#include "app/application.h"
#include "players/entries.h"

namespace tournaments {

static QString player(int i)
{
    return QStringLiteral("NOM%1 Prenom").arg(i, 2, 10, QLatin1Char('0'));
}

QStringList players(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << player(i);
    return names;
}

static QStringList seatCodes(int tables, const char (&seats)[5])
{
    QStringList codes;
    for (int t = 1; t <= tables; ++t)
        for (int s = 0; s < 4; ++s)
            codes << QStringLiteral("%1%2").arg(QLatin1Char(seats[s])).arg(t);
    return codes;
}

QStringList seatCodesInTableOrder(int tables)
{
    return seatCodes(tables, "NSEO");
}

static QStringList seatCodesInEntryOrder(int tables)
{
    return seatCodes(tables, "NOES");
}

QStringList seatedRegister(int tables, int chairs, Names names)
{
    const QStringList codes =
        names == Names::Registered ? seatCodesInEntryOrder(tables) : seatCodesInTableOrder(tables);
    int unnamed = 4 * tables - chairs; // Registered: the last player takes the first seat
    QStringList lines;
    for (qsizetype k = 0; k < codes.size(); ++k) {
        const QString &code = codes[k];
        const int table = code.mid(1).toInt();
        if (code.front() == QLatin1Char('N') && table <= chairs) {
            lines << entries::emptyChair(table);
            continue;
        }
        QString name;
        switch (names) {
        case Names::BySeat: name = QStringLiteral("JOUEUR ") + code; break;
        case Names::ByNumber: name = QStringLiteral("JOUEUR%1 Paul").arg(k + 1); break;
        case Names::Registered: name = player(unnamed--); break;
        }
        lines << name + QStringLiteral(" = ") + code;
    }
    entries::sort(lines);
    return lines;
}

Tournament seatedState(int tables, int chairs)
{
    Tournament state;
    arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(tables, chairs); });
    return state;
}

QStringList seated(int count)
{
    const int tables = (count + 3) / 4;
    return seatedRegister(tables, 4 * tables - count, Names::Registered);
}

void seat(const TestPlatform &p, Tournament &state, const QStringList &seated)
{
    QStringList players;
    for (const QString &line : seated)
        if (!entries::isEmptyChair(line))
            players << line.left(line.indexOf(QStringLiteral(" = ")));
    p.write(QStringLiteral("inscrits.tmp"), players);
    p.write(QStringLiteral("position.tmp"), seated);
    arrange(state, [&](Tournament::Data &d) {
        d.playerRegisterList = seated;
        d.started = d.opened = true;
    });
}

void seat(const TestPlatform &p, Application &app, const QStringList &seated)
{
    seat(p, app.state(), seated);
    app.syncMenus();
}

QStringList scoreLines(const QStringList &codes, const QList<int> &scores)
{
    QStringList lines;
    for (qsizetype i = 0; i < codes.size() && i < scores.size(); ++i)
        lines << codes[i] + QLatin1Char('=') + QString::number(scores[i]);
    return lines;
}

QStringList round(int tables, int number)
{
    QStringList lines;
    for (int t = 1; t <= tables; ++t) {
        const int win = 30 * ((t + number) % 5 + 1);
        lines << QStringLiteral("N%1=%2").arg(t).arg(win) << QStringLiteral("O%1=%2").arg(t).arg(-win / 3)
              << QStringLiteral("E%1=%2").arg(t).arg(-win / 3) << QStringLiteral("S%1=%2").arg(t).arg(-win / 3);
    }
    return lines;
}

QStringList write(const TestPlatform &p, const Shape &shape)
{
    const int tables = (shape.players + 3) / 4;
    p.write(QStringLiteral("inscrits.tmp"), players(shape.players));
    if (!shape.seated)
        return p.files();
    p.write(QStringLiteral("position.tmp"), seated(shape.players));
    for (int n = 1; n <= shape.finishedRounds; ++n)
        p.write(QStringLiteral("tour%1.tmp").arg(n), round(tables, n));
    const int current = shape.finishedRounds + 1;
    if (current > 1) {
        QStringList depl;
        for (int r = 2; r <= current; ++r)
            depl << QStringLiteral("N%1=0").arg(r) << QStringLiteral("E%1=2").arg(r) << QStringLiteral("O%1=-2").arg(r)
                 << QStringLiteral("S%1=1").arg(r);
        p.write(QStringLiteral("depl.tmp"), depl);
    }
    if (shape.inProgressLines >= 0)
        p.write(QStringLiteral("tour.tmp"), round(tables, current).mid(0, shape.inProgressLines));
    if (shape.incidents) {
        p.write(QStringLiteral("penal.tmp"), {QStringLiteral("S3=-150")});
        p.write(QStringLiteral("exclu.tmp"), {QStringLiteral("E2")});
    }
    return p.files();
}

QMap<QString, QByteArray> snapshot(const TestPlatform &p)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : p.files())
        files.insert(name, p.bytes(name));
    return files;
}

} // namespace tournaments
