#include "rankings/rankingcommands.h"

#include "app/application.h"

void installRankingCommands(Application &)
{
}
