#include "incidents/incidentcommands.h"

#include "app/application.h"

void installIncidentCommands(Application &)
{
}
