#pragma once

#include "app/dialog.h"

// "Gestion des joueurs"
class TForm3 : public Dialog
{
    Q_OBJECT
public:
    explicit TForm3(Application &app);
};
