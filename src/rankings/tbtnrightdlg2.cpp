#include "rankings/tbtnrightdlg2.h"

TBtnRightDlg2::TBtnRightDlg2(Application &app)
    : Dialog(app, QStringLiteral("TBtnRightDlg2"), QStringLiteral("classement au tour"))
{
}
