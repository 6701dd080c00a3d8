#pragma once

#include "app/dialog.h"

// "Dialogue": the reminder shown before two scores are swapped; its OK opens the swap.
class SwapReminderDialog : public Dialog
{
    Q_OBJECT
public:
    explicit SwapReminderDialog(Application &app);

private:
    void continueToSwap();
};
