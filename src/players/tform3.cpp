#include "players/tform3.h"

TForm3::TForm3(Application &app)
    : Dialog(app, QStringLiteral("TForm3"), QStringLiteral("Gestion des joueurs"))
{
}
