#include "movements/tbtnbottomdlg7.h"

TBtnBottomDlg7::TBtnBottomDlg7(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg7"), QStringLiteral("Visualiser les positions"))
{
}
