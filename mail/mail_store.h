// The mail store: how mail and phone memos travel between user folders as files, and how the
// two records of one delivered copy (the recipient's and the sender's twin) stay linked, so that
// opening, deleting and retracting reach the other side. Plain data in and out: the mail
// windows, moxctl and the tests call these and show the messages they return. The context's
// acting user is the sender, the one who opens, or the one who takes back.
#pragma once
#include <string>
#include <vector>

#include "mail/attachment_record.h"
#include "store/context.h"
#include "store/lists/list_kinds.h"
#include "store/lists/list_record.h"
#include "store/result.h"

// The new-mail flag in a recipient's folder: created by each delivery, deleted by the
// recipient's client when it notices the mail.
extern const char kMailFlagName[];  // "mail.mox"

extern const char kMsgNoRecipient[];     // "誰宛ですか"
extern const char kMsgNoSubject[];       // "表題がありません"
extern const char kMsgNoCaller[];        // "誰からの電話ですか"
extern const char kMsgNoDiskSpace[];     // "ディスクスペースがたりません": an attachment not stored
extern const char kMsgAskRetract[];      // "送信先のメールも削除しますか？"
extern const char kMsgRetractRefused[];  // "送信先でメールを読まれたので、削除できませんでした"
extern const char kMsgRetractFailed[];   // the recipient's list could not be opened

// A user as a mail names them: the number (its "%03d" names the folder) and the name as shown.
struct Party {
    int number = 0;
    std::string name;
};

struct AttachmentSource {
    std::string path;   // full path of the file to attach
    std::string title;  // at most 50 bytes; may be empty
    // A copy of the same file already in the store, taken when path cannot be read: an author
    // who updates a board post keeps its attachments even when the files on his PC have gone.
    std::string storedCopy{};
};

// One mail or phone memo to deliver, plain texts as typed.
struct OutgoingItem {
    int kind = kItemMail;       // kItemMail or kItemPhoneMemo
    bool confidential = false;  // mail only: 親展
    std::string subject;        // a phone memo's caller; cut to 50 bytes
    std::string body;           // bytes as typed; empty means no body file
    std::vector<AttachmentSource> attachments;  // mail only
    int request = kRequestNone;  // phone memo only
    std::string phone;           // phone memo only; cut to 20 bytes
    BrokenDownTime sentTime;     // taken once per send (a phone memo: when the call came)
};

struct DeliveredCopy {
    int recipient = 0;
    int receivedNumber = 0;  // 0 when no number could be taken
    int sentNumber = 0;
    bool delivered = false;  // both records and every file the item needs are in place
};

// Not ok: refused before anything was written. Ok with messages: some copy or attachment did
// not arrive.
struct DeliveryResult : StoreResult {
    std::vector<DeliveredCopy> copies;  // one per recipient, in the order given
};

// Delivers one copy of the item to each recipient, in the order given. A copy becomes visible
// to its recipient only when everything it needs is written, so a recipient who opens or
// deletes it at once always finds its body, its attachments and the sender's twin. A copy that
// cannot be written completely is taken back and reported ("%s様へ送信できませんでした");
// the others go on.
DeliveryResult DeliverItem(const StoreContext& store, const std::string& senderName,
                           const std::vector<Party>& recipients, const OutgoingItem& item);

// Writes the attachment list fil<number>.lst in the folder and a stored copy of each file.
// A file that cannot be copied gives kMsgNoDiskSpace and the next one is stored; its record
// stays in the list. Not ok when the list could not be created or written.
StoreResult StoreAttachments(const StoreContext& store,
                             const std::vector<AttachmentSource>& attachments,
                             const std::string& folder, int number);
// The attachment records of a list file; empty when it is missing.
std::vector<AttachmentRecord> LoadAttachmentList(const std::string& path);
// Deletes the stored copies that fil<number>.lst of the folder names, then the list. Only
// files of that same folder named "att", four digits and an extension are ever deleted: the
// list is written by other clients, and a path it names is not to be trusted further.
void DeleteAttachmentList(const StoreContext& store, const std::string& folder, int number);
// Deletes the stored copies that these records name, by the same rule.
void DeleteStoredAttachments(const StoreContext& store, const std::string& folder,
                             const std::vector<AttachmentRecord>& records);

// Creates the new-mail flag mail.mox in the folder.
bool RaiseMailFlag(const StoreContext& store, const std::string& folder);
// Writes a body file prefix + "%04d" + ".txt" (prefix index rcv, snd, bbs or mem), shifted by
// +1 when the shift flag says so.
bool WriteItemBody(const StoreContext& store, const std::string& folder, const std::string& body,
                   int number, int prefixIndex, int shiftFlag);
struct ItemBody {
    bool found = false;  // false: no body file (an empty body)
    std::string text;    // plain
};
ItemBody LoadItemBody(const std::string& path, int shiftFlag);

// The store half of opening a received item of the acting user's own list: the first opening sets
// status 1 and the time of opening in the record and in the sender's twin (the sender then sees
// "受信"); later openings change nothing.
// Not ok when the list could not be opened or holds no such item.
struct OpenedItem : StoreResult {
    bool firstOpening = false;
    MailRecord record;          // as it is now
};
OpenedItem MarkItemOpened(const StoreContext& store, long index,
                          const std::string* identity = nullptr);

// Takes back the recipient's copy of a sent item after the sender deleted its own copy
// (DeleteOutcome::canRetract). Refused, changing nothing, when the recipient has opened it.
// Not ok when refused (kMsgRetractRefused) or when the recipient's list could not be worked on
// (kMsgRetractFailed).
struct RetractResult : StoreResult {
    enum Status { kRetracted, kAlreadyGone, kRefused, kUnavailable } status = kUnavailable;
};
RetractResult RetractReceivedCopy(const StoreContext& store, const RetractionTicket& ticket);

// The handlers of a mail list kind (kListReceived, kListSent or kListPhoneMemos) for the shared
// list operations.
ListKindHandlers MailListKind(int listKind);
