// The remembered addressee: the "%03d" of the colleague picked last in a mail list, the board
// window or the in/out board, for the whole run. The mail, phone-memo and message dialogs
// preselect that colleague. It is set often and never cleared. Pure logic: no windows.h.
#pragma once
#include <string>

std::string& RememberedAddressee();
// Remembers user number n ("%03d").
void RememberAddressee(int userNumber);
