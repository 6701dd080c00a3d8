#include "players/playercommands.h"

#include "app/application.h"

void installPlayerCommands(Application &)
{
}
