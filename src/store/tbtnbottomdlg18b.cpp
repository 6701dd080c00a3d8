#include "store/tbtnbottomdlg18b.h"

TBtnBottomDlg18b::TBtnBottomDlg18b(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg18b"), QStringLiteral("Mode Diagnostic"))
{
}
