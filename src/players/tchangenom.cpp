#include "players/tchangenom.h"

Tchangenom::Tchangenom(Application &app)
    : Dialog(app, QStringLiteral("Tchangenom"), QStringLiteral("Changement d'un nom"))
{
}
