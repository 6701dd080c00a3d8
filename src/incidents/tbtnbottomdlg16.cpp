#include "incidents/tbtnbottomdlg16.h"

TBtnBottomDlg16::TBtnBottomDlg16(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg16"), QStringLiteral("Inversion de deux joueurs"))
{
}
