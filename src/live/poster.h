#pragma once

#include "platform/canvas.h"
#include "tournament/tournament.h"

#include <QStringList>

// "Imprimer l'affiche": one page for the wall of the room, with the evening's date and place, the
// QR code of the first address, and every address the phones can type. False when the printer
// refused the document.
bool printPoster(Canvas &canvas, const PrintFont &font, const QString &description, const QStringList &addresses);
