#include "incidents/tbtnbottomdlg17.h"

TBtnBottomDlg17::TBtnBottomDlg17(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg17"), QStringLiteral("Exclusion/Abandon d'un joueur"))
{
}
