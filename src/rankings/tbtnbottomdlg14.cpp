#include "rankings/tbtnbottomdlg14.h"

TBtnBottomDlg14::TBtnBottomDlg14(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg14"), QStringLiteral("Classement général"))
{
}
