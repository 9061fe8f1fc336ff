// Controls of the mail windows.
#pragma once

#define IDC_MAIL_LIST 1148  // the list view of the received and sent lists
#define IDC_MAIL_LOG 1198   // their ログ button
