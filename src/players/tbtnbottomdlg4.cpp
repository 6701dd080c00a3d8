#include "players/tbtnbottomdlg4.h"

TBtnBottomDlg4::TBtnBottomDlg4(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg4"), QStringLiteral("Visualisation"))
{
}
