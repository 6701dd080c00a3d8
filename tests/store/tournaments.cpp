#include "tournaments.h"

#include "players/entries.h"

namespace tournaments {

QStringList players(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("NOM%1 Prenom").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QStringList seatCodes(int tables)
{
    QStringList codes;
    for (int t = 1; t <= tables; ++t)
        for (const char seat : {'N', 'O', 'E', 'S'})
            codes << QStringLiteral("%1%2").arg(QLatin1Char(seat)).arg(t);
    return codes;
}

QStringList seated(int count)
{
    const int tables = (count + 3) / 4;
    QStringList lines;
    for (int i = 1; i <= 4 * tables - count; ++i)
        lines << entries::emptyChair(i);
    QStringList codes = seatCodes(tables);
    for (int i = 1; i <= 4 * tables - count; ++i)
        codes.removeOne(QStringLiteral("N%1").arg(i));
    const QStringList names = players(count);
    for (int i = 0; i < count; ++i)
        lines << names[i] + QStringLiteral(" = ") + codes[count - 1 - i]; // one seat each, not in seat order
    entries::sort(lines);
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
