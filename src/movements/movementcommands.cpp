#include "movements/movementcommands.h"

#include "app/application.h"

void installMovementCommands(Application &)
{
}
