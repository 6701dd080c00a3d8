#include "movements/tbtnrightdlg.h"

TBtnRightDlg::TBtnRightDlg(Application &app)
    : Dialog(app, QStringLiteral("TBtnRightDlg"), QStringLiteral("Déplacement des joueurs"))
{
}
