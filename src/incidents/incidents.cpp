#include "incidents/incidents.h"

#include "platform/workingfiles.h"
#include "players/entries.h"
#include "tournament/lines.h"

#include <algorithm>

namespace incidents {

QStringList pickList(const QStringList &positionLines)
{
    QStringList lines = positionLines;
    entries::sort(lines);
    for (QString &line : lines) {
        line = entries::displayed(line);
        if (entries::mentionsEmptyChair(line))
            line = QStringLiteral(" ");
    }
    return lines;
}

QString seatCodeOfPick(const QString &item)
{
    // A seat letter, then the table's digits, and nothing else.
    const QString code = entries::seatCodeOfDisplayed(item);
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    const bool seatCode =
        code.size() >= 2 && lines::seatIndex(code.front()) >= 0 && std::all_of(code.begin() + 1, code.end(), isDigit);
    return seatCode ? code : QString();
}

QString refusalOfPick(const QString &item)
{
    if (!seatCodeOfPick(item).isEmpty())
        return {};
    if (item.isEmpty())
        return QStringLiteral("Aucun joueur n'est sélectionné : choisissez-le dans la liste.");
    if (item.trimmed().isEmpty())
        return QStringLiteral("La ligne choisie est une chaise vide : choisissez un joueur dans la liste.");
    return QStringLiteral("%1 n'a pas de place attribuée : attribuez d'abord les positions.").arg(item.trimmed());
}

Prompt penaltyQuestion(const QString &displayedEntry, int value)
{
    const QString v = QString::number(value);
    if (value > 0)
        return {QStringLiteral("Attention pénalité positive !"),
                QStringLiteral("Etes-vous sûr de vouloir AVANTAGER ") + displayedEntry + QStringLiteral(" de ") + v +
                    QStringLiteral(" points."),
                Messages::Icon::Warning, Messages::Yes | Messages::No};
    return Prompt::question(QStringLiteral("pénalité pour faute de jeu"), QStringLiteral("Vous pénalisez ") +
                                                                              displayedEntry + QStringLiteral(" de ") +
                                                                              v + QStringLiteral(" points."));
}

Prompt exclusionQuestion(const QString &displayedEntry)
{
    // An exclusion takes the player's total away: Non unless the director means it.
    return {QStringLiteral("Exclusion/abandon"),
            QStringLiteral("Vous excluez ") + displayedEntry + QStringLiteral(". En êtes-vous sûr ?"),
            Messages::Icon::Question, Messages::Yes | Messages::No | Messages::NoByDefault};
}

namespace {
qsizetype lineOf(const QStringList &scoreList, const QString &key)
{
    for (qsizetype i = 0; i < scoreList.size(); ++i)
        if (scoreList.at(i).startsWith(key))
            return i;
    return -1;
}
} // namespace

Swap swapScores(QStringList &scoreList, const QString &seatCode1, const QString &seatCode2)
{
    if (seatCode1 == seatCode2)
        return Swap::SamePlayer;
    // The "=" of the key keeps N1 from finding the line of N12.
    const QString k1 = seatCode1 + QLatin1Char('='), k2 = seatCode2 + QLatin1Char('=');
    const qsizetype i1 = lineOf(scoreList, k1), i2 = lineOf(scoreList, k2);
    if (i1 < 0 || i2 < 0)
        return Swap::MissingScore;
    const QString s1 = scoreList.at(i1).mid(k1.size()), s2 = scoreList.at(i2).mid(k2.size());
    scoreList[i2] = k1 + s2;
    scoreList[i1] = k2 + s1;
    return Swap::Done;
}

} // namespace incidents
