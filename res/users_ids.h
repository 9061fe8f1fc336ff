// Templates and controls of the first-run, login and password dialogs and the connection list.
#pragma once

#define IDD_SELF_REGISTER 210
#define IDD_PASSWORD_CHECK 400
#define IDD_PASSWORD_CHANGE 410
#define IDD_FIRST_RUN 800
#define IDD_LOGIN 971
#define IDD_USER_PICKER 973
#define IDD_CONNECTIONS 979

#define IDC_USER_NAME 1054
#define IDC_SELF_REGISTER 1166
#define IDC_SHARED_PC 1167
#define IDC_OLD_PASSWORD 1169
#define IDC_NEW_PASSWORD 1170
#define IDC_NEW_PASSWORD_AGAIN 1171
