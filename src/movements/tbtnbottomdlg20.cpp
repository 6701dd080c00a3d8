#include "movements/tbtnbottomdlg20.h"

TBtnBottomDlg20::TBtnBottomDlg20(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg20"), QStringLiteral("impression des positions"))
{
}
