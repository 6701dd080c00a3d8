#pragma once

#include "app/dialog.h"

// "Changement d'un nom"
class Tchangenom : public Dialog
{
    Q_OBJECT
public:
    explicit Tchangenom(Application &app);
};
