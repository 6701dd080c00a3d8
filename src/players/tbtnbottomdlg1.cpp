#include "players/tbtnbottomdlg1.h"

TBtnBottomDlg1::TBtnBottomDlg1(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg1"), QStringLiteral("Compléter une table"))
{
}
