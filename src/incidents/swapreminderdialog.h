#pragma once

#include "windows/dialog.h"

// "Dialogue": the reminder shown before two scores are swapped; its OK opens the swap.
class SwapReminderDialog : public Dialog
{
    Q_OBJECT
public:
    SwapReminderDialog(Tournament &tournament, QWidget *parent);

signals:
    // OK: the swap itself is to be shown, over the reminder.
    void swapRequested();

private:
    void continueToSwap();
};
