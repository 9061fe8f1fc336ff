// The recipient lists that the mail dialog, the broadcast list editor and the phone-memo dialog
// share: IDC_RECIPIENTS shows the registered users' names, and the hidden IDC_RECIPIENT_NUMBERS
// holds the "%03d" of each line; the selected lines are the chosen colleagues.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "mail/mail_store.h"

// Empties both lists and fills them from the user registry in file order, selecting the
// remembered addressee. A registry that cannot be read leaves them empty.
void FillRecipientList(HWND dialog, int nameList, int numberList);
// The selected colleagues in list order: number from the hidden list, name as shown.
std::vector<Party> SelectedRecipients(HWND dialog);
void SelectAllRecipients(HWND dialog);
// Selects exactly the members of the local user's broadcast list n that are still listed
// (a member who has left the registry is passed over). A list without a member file changes
// nothing.
void ApplyBroadcastList(HWND dialog, int number);

// The text of line index of a list control.
std::string ListLineText(HWND dialog, int control, int index);
