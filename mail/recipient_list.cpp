#include "mail/recipient_list.h"

#include <cstdlib>
#include <cstring>

#include "app/settings/local_user.h"
#include "mail/addressee.h"
#include "mail/broadcast_store.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "users/registry.h"

std::string ListLineText(HWND dialog, int control, int index) {
    const LRESULT length =
        SendDlgItemMessageA(dialog, control, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendDlgItemMessageA(dialog, control, LB_GETTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&text[0]));
    // The length told may be more than the text holds; the text ends at its NUL.
    text.resize(std::strlen(text.c_str()));
    return text;
}

void FillRecipientList(HWND dialog, int nameList, int numberList) {
    ListReset(dialog, nameList);
    ListReset(dialog, numberList);
    RegistryRead registry;
    {
        WaitCursor wait;
        registry = ReadRegistry(ClientStore());
    }
    // An office without a registry has nobody to write to yet; one that cannot be read is told.
    if (!registry.absent) ShowMessages(registry);
    for (const RegistryRecord& r : registry.records) {
        const int line = static_cast<int>(ListAddString(dialog, nameList, r.name));
        ListAddString(dialog, numberList, r.numberText);
        if (!RememberedAddressee().empty() && r.numberText == RememberedAddressee())
            ListSelectMulti(dialog, nameList, line);
    }
}

std::vector<Party> SelectedRecipients(HWND dialog) {
    std::vector<Party> selected;
    const int count = static_cast<int>(ListCount(dialog, IDC_RECIPIENTS));
    for (int i = 0; i < count; ++i) {
        if (ListIsSelected(dialog, IDC_RECIPIENTS, i) <= 0) continue;
        selected.push_back(Party{std::atoi(ListLineText(dialog, IDC_RECIPIENT_NUMBERS, i).c_str()),
                                 ListLineText(dialog, IDC_RECIPIENTS, i)});
    }
    return selected;
}

void SelectAllRecipients(HWND dialog) {
    const int count = static_cast<int>(ListCount(dialog, IDC_RECIPIENTS));
    if (count > 0) {
        SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_SELITEMRANGE, TRUE,
                            MAKELPARAM(0, count - 1));
    }
}

void ApplyBroadcastList(HWND dialog, int number) {
    BroadcastMembers list;
    {
        WaitCursor wait;
        list = ReadBroadcastMembers(ClientStore(), number);
    }
    if (!list.found) return;
    SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_SETSEL, FALSE, -1);
    const int count = static_cast<int>(ListCount(dialog, IDC_RECIPIENT_NUMBERS));
    for (const RegistryRecord& member : list.members) {
        for (int i = 0; i < count; ++i) {
            if (ListLineText(dialog, IDC_RECIPIENT_NUMBERS, i) != member.numberText) continue;
            ListSelectMulti(dialog, IDC_RECIPIENTS, i);
            break;
        }
    }
}
