#include "rounds/tbtnbottomdlg12.h"

TBtnBottomDlg12::TBtnBottomDlg12(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg12"), QStringLiteral("SUPPRESSION DU TOUR EN COURS"))
{
}
