#include "rounds/tbtnbottomdlg11.h"

TBtnBottomDlg11::TBtnBottomDlg11(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg11"), QStringLiteral("Voir un tour antérieur"))
{
}
