#include "rounds/tbtnrightdlg1.h"

TBtnRightDlg1::TBtnRightDlg1(Application &app)
    : Dialog(app, QStringLiteral("TBtnRightDlg1"), QStringLiteral("Saisie des résultats"))
{
}
