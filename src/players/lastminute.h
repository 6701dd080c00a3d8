#pragma once

#include "platform/messages.h"
#include "platform/outcome.h"

#include <QStringList>

#include <array>

class Tournament;

// The last-minute changes to the seating: a late player on an empty chair, whole tables added,
// two players exchanging their seats.
namespace lastminute {

qsizetype emptyChairCount(const QStringList &list);
// Index of the first empty chair, -1 when there is none.
qsizetype firstEmptyChair(const QStringList &list);
// The seat code of a seated line: what follows its first " = " (N1, S12).
QString seatCodeOf(const QString &line);
// "NORD 1" for N1.
QString positionText(const QString &seatCode);

// The message before "Compléter une table", for k free places (k >= 1).
Prompt placesNotice(qsizetype k);

// OK of "Compléter une table": the late player replaces the first empty chair at its seat, is
// appended to inscrits.tmp, and position.tmp is written.
Outcome completeTable(Tournament &state, const QString &surname, const QString &firstName);

// The number of the next table added: lines div 4, plus 1.
qint64 nextTable(const QStringList &list);
// "Enregistrer" of "Ajouter une table": the four players of table `table` as typed, in the seat
// order Nord, Sud, Est, Ouest; stored in the order N, O, S, E, each appended to inscrits.tmp,
// then position.tmp written.
Outcome addTable(Tournament &state, const std::array<QString, 4> &surnames, const std::array<QString, 4> &firstNames,
                 qint64 table);
// Why a table typed in "Ajouter une table" cannot be stored (empty when it can).
QString refusalOfTable(const std::array<QString, 4> &surnames, const std::array<QString, 4> &firstNames);

// `refreshExchange`: the lines that hold two seat keys (" = N1"), among the complete groups of four;
// the last match counts. ok when both are found at different lines.
struct SeatLookup
{
    qsizetype index1 = -1;
    qsizetype index2 = -1;
    QString name1;
    QString name2;
    bool ok() const { return index1 >= 0 && index2 >= 0 && index1 != index2; }
};
SeatLookup refreshExchange(const QStringList &list, const QString &key1, const QString &key2);
// OK of the exchange: the two occupants swap seats, the lines stay in place; position.tmp is
// written. Nothing happens unless both seats are found and differ.
Outcome exchange(Tournament &state, const QString &key1, const QString &key2);

} // namespace lastminute
