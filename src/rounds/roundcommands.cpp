#include "rounds/roundcommands.h"

#include "app/application.h"

void installRoundCommands(Application &)
{
}
