#include "incidents/tbtnbottomdlg9.h"

TBtnBottomDlg9::TBtnBottomDlg9(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg9"), QStringLiteral("Dialogue"))
{
}
