#include "incidents/tbtnbottomdlg15.h"

TBtnBottomDlg15::TBtnBottomDlg15(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg15"), QStringLiteral("Dialogue"))
{
}
