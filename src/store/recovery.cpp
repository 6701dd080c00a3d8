#include "store/recovery.h"

#include "app/state.h"
#include "platform/platform.h"

void runRecovery(TournamentState &state)
{
    if (!platform().files.exists(QStringLiteral("inscrits.tmp")))
        return;
    Q_UNUSED(state);
}
