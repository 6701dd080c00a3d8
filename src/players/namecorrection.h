#pragma once

#include "platform/outcome.h"

#include <QString>

class Tournament;

// "Corriger un nom": one player's name corrected in inscrits.tmp, position.tmp and the
// register, his seat kept.
namespace correction {

// The new name of an edited displayed entry: the text before its seat, as typed.
QString newNameOf(const QString &editedText);
// Why the edited text cannot become a name (empty when it can).
QString refusalOfCorrection(const QString &editedText);
// "Vous voulez changer le nom de ... par ... ." and "En êtes-vous sûr ?".
QString question(const QString &selected, const QString &editedText);

// The correction of the player shown as `selected` (a displayed entry of the listing).
// A missing inscrits.tmp or position.tmp counts as empty and is not created.
Outcome correctName(Tournament &state, const QString &selected, const QString &editedText);

} // namespace correction
