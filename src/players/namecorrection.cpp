#include "players/namecorrection.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
#include "platform/platform.h"
#include "players/entries.h"

namespace correction {

QString newNameOf(const QString &editedText)
{
    return entries::splitDisplayed(editedText).name;
}

QString refusalOfCorrection(const QString &editedText)
{
    const QString name = newNameOf(editedText);
    if (name.trimmed().isEmpty())
        return QStringLiteral("Le nom du joueur est vide : tapez au moins une lettre.");
    return entries::refusalOfText(name, QStringLiteral("Le nom"));
}

QString question(const QString &selected, const QString &editedText)
{
    return QStringLiteral("Vous voulez changer le nom de %1 par %2.\r\nEn êtes-vous sûr ?")
        .arg(selected, newNameOf(editedText));
}

namespace {

// Replaces the first line equal to `from` (any case) by `to`; false when there is none.
bool replaceLine(QStringList &lines, const QString &from, const QString &to)
{
    for (QString &line : lines)
        if (line.compare(from, Qt::CaseInsensitive) == 0) {
            line = to;
            return true;
        }
    return false;
}

Outcome correctFile(const QString &file, const QString &from, const QString &to)
{
    QStringList lines;
    const Outcome read = platform().files.readIfPresent(file, lines);
    if (!read.ok() || !replaceLine(lines, from, to))
        return read;
    entries::sort(lines);
    return platform().files.write(file, lines);
}

} // namespace

Outcome correctName(Tournament &state, const QString &selected, const QString &editedText)
{
    state.setModified(true);
    const QString newName = newNameOf(editedText);
    const entries::DisplayedParts old = entries::splitDisplayed(selected);
    const Outcome inscrits = correctFile(workingfile::registered, old.name, newName);
    if (!inscrits.ok())
        return inscrits;
    const QString key = entries::seatKeyOfDisplayedSeat(old.seat);
    if (!key.isEmpty()) {
        const Outcome positions = correctFile(workingfile::positions, old.name + key, newName + key);
        if (!positions.ok())
            return positions;
    }
    QStringList list = state.playerRegisterList();
    if (!replaceLine(list, old.name, newName) && !key.isEmpty())
        replaceLine(list, old.name + key, newName + key);
    entries::sort(list);
    state.adoptRegister(list);
    return Outcome::success();
}

} // namespace correction
