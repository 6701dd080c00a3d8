#include "players/tbtnbottomdlg2.h"

TBtnBottomDlg2::TBtnBottomDlg2(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg2"), QStringLiteral("Ajouter une table"))
{
}
