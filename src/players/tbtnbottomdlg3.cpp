#include "players/tbtnbottomdlg3.h"

TBtnBottomDlg3::TBtnBottomDlg3(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg3"), QStringLiteral("Echange de deux joueurs"))
{
}
