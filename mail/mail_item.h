// Reading one mail of the own received or sent list for the dialog that shows it: its record,
// its body and its attachment list. Plain data out: the dialogs show it. Reading changes
// nothing; a received item is marked opened (MarkItemOpened) before it is shown.
#pragma once
#include <string>
#include <vector>

#include "mail/attachment_record.h"
#include "mail/mail_store.h"

struct MailItemShown {
    bool found = false;            // false: no such item; the dialog opens empty
    MailRecord record;             // the subject plain
    ItemBody body;
    bool hasAttachmentList = false;  // false: the item came without attachments
    std::vector<AttachmentRecord> attachments;
};

// The item at index of the acting user's list of the kind (kListReceived: rcv<r>.txt and
// fil<r>.lst; kListSent: snd<s>.txt and sfl<s>.lst). With identity (the loaded line's) the item
// is found by it even when records above it have left the list since the list was loaded.
MailItemShown ReadMailItem(const StoreContext& store, int listKind, long index,
                           const std::string* identity = nullptr);
// Only the record of that item, found the same way; false when it has left the list.
bool FindOwnMailRecord(const StoreContext& store, int listKind, long index,
                       const std::string* identity, MailRecord* record);

// The own stored copy of an attachment, by the file name of its stored path. The path in the
// record was written by the sender's client; only its name is taken, so a copy or a program
// started on it never reaches beyond the own user folder.
std::string OwnStoredCopy(const StoreContext& store, const AttachmentRecord& attachment);
