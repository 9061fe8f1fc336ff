#include "mail/mail_store.h"

#include <cstdlib>

#include "mail/mail_lines.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"

const char kMailFlagName[] = "mail.mox";
const char kMsgNoRecipient[] = "誰宛ですか";
const char kMsgNoSubject[] = "表題がありません";
const char kMsgNoCaller[] = "誰からの電話ですか";
const char kMsgNoDiskSpace[] = "ディスクスペースがたりません";
const char kMsgAskRetract[] = "送信先のメールも削除しますか？";
const char kMsgRetractRefused[] = "送信先でメールを読まれたので、削除できませんでした";
const char kMsgRetractFailed[] = "送信先のメールを削除できませんでした";

namespace mf = mail_field;

namespace {


std::string ReceivedListOf(const StoreContext& store, const std::string& folder) {
    return UserStorePath(store, folder, ListFileName(kListReceived));
}
std::string SentListOf(const StoreContext& store, const std::string& folder) {
    return UserStorePath(store, folder, ListFileName(kListSent));
}

// Is this the record of one delivered copy: the same pair of numbers and the expected other
// party? Item numbers start again at 1 after 9999, so a number alone may name an older item.
bool IsCopy(const unsigned char* record, int sentNumber, int receivedNumber, int otherParty) {
    return GetInt16(record + mf::kSentNumber) == sentNumber &&
           GetInt16(record + mf::kReceivedNumber) == receivedNumber &&
           GetInt16(record + mf::kUserNumber) == otherParty;
}

// Same text, ignoring the case of single-byte letters (folder names on the file server).
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (SjisCharLength(a, i) == 2) {
            if (x != y || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

// Does the stored path lie in the folder? Only its last folder names can be compared: another
// client may spell the network directory in its own way (another drive letter, a UNC path).
bool LiesInFolder(const std::string& storedPath, const std::string& folder) {
    std::string parent = PathParentFolder(storedPath);
    for (std::string want = folder; !want.empty(); want = PathParentFolder(want)) {
        if (parent.empty() || !SameName(PathFileName(parent), PathFileName(want))) return false;
        parent = PathParentFolder(parent);
    }
    return true;
}

std::string BodyPath(const StoreContext& store, const std::string& folder, int number,
                     int prefixIndex) {
    return NumberedFileName(store, folder, number, prefixIndex, kExtTxt);
}

// Sets the twin of a received copy in the sender's sent list to opened or deleted, in place.
void UpdateSenderTwin(const StoreContext& store, const MailRecord& received, int recipient,
                      const BrokenDownTime* openedAt) {
    ListEdit sent(SentListOf(store, UserFolderName(received.userNumber)));
    if (!sent.Ready()) return;
    long index = sent.Find([&](const unsigned char* r) {
        return IsCopy(r, received.sentNumber, received.receivedNumber, recipient);
    });
    if (index < 0) return;  // the sender has deleted its copy
    if (openedAt) MarkRecordOpened(sent.Record(index), *openedAt);
    else MarkRecordDeleted(sent.Record(index));
    sent.Rewrite(index);
}

// Undoes a copy that could not be written completely, before its recipient could see it.
void TakeBackCopy(const StoreContext& store, const std::string& recipientFolder,
                  const std::string& ownFolder, int r, int s, const std::string* sentRecord) {
    StoreDelete(BodyPath(store, recipientFolder, r, kPrefixRcv));
    StoreDelete(BodyPath(store, ownFolder, s, kPrefixSnd));
    DeleteAttachmentList(store, recipientFolder, r);
    StoreDelete(NumberedFileName(store, ownFolder, s, kPrefixSfl, kExtLst));
    if (!sentRecord) return;
    ListEdit sent(SentListOf(store, ownFolder));
    if (!sent.Ready()) return;
    long index = sent.Locate(sent.Count() - 1, RecordIdentity(BytesOf(*sentRecord)));
    if (index >= 0) sent.Remove(index);
}

// Writes one copy. False when any part of it could not be written (then nothing of it stays).
bool DeliverCopy(const StoreContext& store, const std::string& senderName,
                 const Party& recipient, const OutgoingItem& item, int shiftFlag,
                 DeliveredCopy& copy, StoreResult& told) {
    const std::string theirs = UserFolderName(recipient.number);
    const std::string own = store.UserFolder();
    ItemNumber taken = NextItemNumber(store, theirs, kCounterReceived);
    copy.receivedNumber = taken.number;
    if (taken.ok) {
        taken = NextItemNumber(store, own, kCounterSent);
        copy.sentNumber = taken.number;
    }
    const int r = copy.receivedNumber, s = copy.sentNumber;
    if (r == 0 || s == 0) {
        for (const std::string& text : taken.messages) told.Tell(text);
        return false;
    }

    MailRecord record;
    record.status = kStatusUnopened;
    record.kind = item.kind;
    record.shiftFlag = shiftFlag;
    record.userNumber = store.user;
    record.userName = senderName;
    record.sentNumber = s;
    record.receivedNumber = r;
    record.sentTime = item.sentTime;
    record.subject = item.subject;
    if (item.kind == kItemPhoneMemo) {
        record.request = item.request;
        record.phone = item.phone;
    }
    const std::string received = EncodeMailRecord(record);
    record.userNumber = recipient.number;
    record.userName = recipient.name;
    const std::string sentTwin = EncodeMailRecord(record);

    bool complete = true;
    if (!item.body.empty())
        complete = WriteItemBody(store, theirs, item.body, r, kPrefixRcv, shiftFlag) &&
                   WriteItemBody(store, own, item.body, s, kPrefixSnd, shiftFlag);
    if (complete && item.kind == kItemMail && !item.attachments.empty()) {
        StoreResult stored = StoreAttachments(store, item.attachments, theirs, r);
        for (const std::string& text : stored.messages) told.Tell(text);
        complete = stored.ok &&
                   CopyStoreFile(NumberedFileName(store, theirs, r, kPrefixFil, kExtLst),
                                 NumberedFileName(store, own, s, kPrefixSfl, kExtLst));
    }
    // The twin goes first: the recipient may open or delete the item the moment its record
    // appears, and that marks the twin.
    bool twinWritten = complete && AppendListRecord(sentTwin, SentListOf(store, own));
    if (!twinWritten || !AppendListRecord(received, ReceivedListOf(store, theirs))) {
        TakeBackCopy(store, theirs, own, r, s, twinWritten ? &sentTwin : nullptr);
        return false;
    }
    RaiseMailFlag(store, theirs);
    return true;
}

// Kind 0: the received item's body and stored attachments go, and the sender's twin shows
// "削除". Kind 1: the own body and attachment list go; the recipient's copy stays unless the
// caller retracts it.
void AfterMailRemoval(const StoreContext& store, int listKind, const std::string& folder,
                      const std::string& bytes, DeleteOutcome& outcome) {
    MailRecord record = DecodeMailRecord(bytes);
    if (listKind == kListSent) {
        StoreDelete(BodyPath(store, folder, record.sentNumber, kPrefixSnd));
        StoreDelete(NumberedFileName(store, folder, record.sentNumber, kPrefixSfl, kExtLst));
        if (record.status == kStatusUnopened) {
            outcome.canRetract = true;
            outcome.retraction.recipient = record.userNumber;
            outcome.retraction.receivedNumber = record.receivedNumber;
            outcome.retraction.sentNumber = record.sentNumber;
        }
        return;
    }
    StoreDelete(BodyPath(store, folder, record.receivedNumber, kPrefixRcv));
    DeleteAttachmentList(store, folder, record.receivedNumber);
    UpdateSenderTwin(store, record, std::atoi(folder.c_str()), nullptr);
}

ListLineBuilder MailLineBuilder(const StoreContext&, int listKind, const std::string&) {
    if (listKind == kListPhoneMemos) {
        return [](const unsigned char* bytes, long index, std::string* line) {
            MailRecord record = DecodeMailRecord(bytes);
            if (record.kind != kItemPhoneMemo) return false;
            *line = PhoneMemoListLine(record, index);
            return true;
        };
    }
    return [listKind](const unsigned char* bytes, long, std::string* line) {
        *line = MailListLine(DecodeMailRecord(bytes), listKind);
        return true;
    };
}

}  // namespace

ListKindHandlers MailListKind(int listKind) {
    ListKindHandlers h;
    h.listKind = listKind;
    h.lineBuilder = MailLineBuilder;
    // A colleague's phone memos leave the mails out, so its positions name no records to delete.
    h.canDelete = listKind != kListPhoneMemos;
    h.afterRemoval = AfterMailRemoval;
    return h;
}

DeliveryResult DeliverItem(const StoreContext& store, const std::string& senderName,
                           const std::vector<Party>& recipients, const OutgoingItem& item) {
    DeliveryResult result;
    if (recipients.empty()) {
        result.Fail(kMsgNoRecipient);
        return result;
    }
    if (item.subject.empty()) {
        result.Fail(item.kind == kItemPhoneMemo ? kMsgNoCaller : kMsgNoSubject);
        return result;
    }
    const int shiftFlag =
        item.kind == kItemMail && item.confidential ? kShiftConfidential : kShiftOrdinary;
    for (const Party& recipient : recipients) {
        DeliveredCopy copy;
        copy.recipient = recipient.number;
        copy.delivered = DeliverCopy(store, senderName, recipient, item, shiftFlag, copy, result);
        if (!copy.delivered) result.Tell(recipient.name + "様へ送信できませんでした");
        result.copies.push_back(copy);
    }
    return result;
}

StoreResult StoreAttachments(const StoreContext& store,
                             const std::vector<AttachmentSource>& attachments,
                             const std::string& folder, int number) {
    StoreResult result;
    StoreFile list(NumberedFileName(store, folder, number, kPrefixFil, kExtLst), kOpenCreate);
    if (!list.IsOpen()) {
        result.Fail();
        return result;
    }
    for (const AttachmentSource& source : attachments) {
        ItemNumber taken = NextItemNumber(store, folder, kCounterAttachment);
        const int a = taken.number;
        if (!taken.messages.empty()) {
            // Every attachment number names a live stored copy: the item cannot be stored whole.
            result.Fail(taken.FirstMessage());
            break;
        }
        if (a == 0) {
            result.Tell(kMsgNoDiskSpace);
            continue;
        }
        AttachmentRecord record;
        record.sourcePath = source.path;
        record.title = source.title;
        record.storedPath = UserStorePath(store, folder, StoredAttachmentName(a, source.path));
        std::string bytes = EncodeAttachmentRecord(record);
        if (StoreWrite(list.Get(), bytes.data(), bytes.size()) != static_cast<long>(bytes.size())) {
            // Every stored copy must be named in the list, or nothing could ever delete it.
            result.Fail();
            break;
        }
        if (!CopyStoreFile(source.path, record.storedPath) &&
            (source.storedCopy.empty() || !CopyStoreFile(source.storedCopy, record.storedPath)))
            result.Tell(kMsgNoDiskSpace);
    }
    return result;
}

std::vector<AttachmentRecord> LoadAttachmentList(const std::string& path) {
    std::string bytes;
    if (!ReadStoreFile(path, bytes)) return {};
    return DecodeAttachmentList(bytes);
}

void DeleteAttachmentList(const StoreContext& store, const std::string& folder, int number) {
    const std::string path = NumberedFileName(store, folder, number, kPrefixFil, kExtLst);
    DeleteStoredAttachments(store, folder, LoadAttachmentList(path));
    StoreDelete(path);
}

void DeleteStoredAttachments(const StoreContext& store, const std::string& folder,
                             const std::vector<AttachmentRecord>& records) {
    for (const AttachmentRecord& a : records) {
        std::string name = PathFileName(a.storedPath);
        if (IsStoredAttachmentName(name) && LiesInFolder(a.storedPath, folder))
            StoreDelete(UserStorePath(store, folder, name));
    }
}

bool RaiseMailFlag(const StoreContext& store, const std::string& folder) {
    StoreFile flag(UserStorePath(store, folder, kMailFlagName), kOpenCreate);
    return flag.IsOpen();
}

bool WriteItemBody(const StoreContext& store, const std::string& folder, const std::string& body,
                   int number, int prefixIndex, int shiftFlag) {
    std::string bytes = body;
    if (IsBodyShifted(shiftFlag)) ShiftBytes(bytes, +1);
    return WriteStoreFile(BodyPath(store, folder, number, prefixIndex), bytes);
}

ItemBody LoadItemBody(const std::string& path, int shiftFlag) {
    ItemBody body;
    body.found = ReadStoreFile(path, body.text);
    if (!body.found) body.text.clear();
    if (IsBodyShifted(shiftFlag & 0xFF)) ShiftBytes(body.text, -1);
    return body;
}

OpenedItem MarkItemOpened(const StoreContext& store, long index, const std::string* identity) {
    OpenedItem opened;
    BrokenDownTime now;
    {
        ListEdit list(ReceivedListOf(store, store.UserFolder()));
        if (identity && list.Ready()) index = list.Locate(index, *identity);
        if (!list.Ready() || index < 0 || index >= list.Count()) {
            opened.Fail();
            return opened;
        }
        unsigned char* record = list.Record(index);
        if (record[mf::kStatus] == kStatusUnopened) {
            now = LocalTimeNow();
            MarkRecordOpened(record, now);
            opened.firstOpening = list.Rewrite(index);
        }
        opened.record = DecodeMailRecord(record);
    }
    if (opened.firstOpening) UpdateSenderTwin(store, opened.record, store.user, &now);
    return opened;
}

RetractResult RetractReceivedCopy(const StoreContext& store, const RetractionTicket& ticket) {
    RetractResult result;
    const std::string theirs = UserFolderName(ticket.recipient);
    {
        ListEdit list(ReceivedListOf(store, theirs));
        if (!list.Ready()) {
            result.Fail(kMsgRetractFailed);
            return result;
        }
        long index = list.Find([&](const unsigned char* r) {
            return IsCopy(r, ticket.sentNumber, ticket.receivedNumber, store.user);
        });
        if (index < 0) {
            // The recipient has deleted it already: there is nothing left to take back.
            result.status = RetractResult::kAlreadyGone;
            return result;
        }
        if (list.Record(index)[mf::kStatus] != kStatusUnopened) {
            result.status = RetractResult::kRefused;
            result.Fail(kMsgRetractRefused);
            return result;
        }
        if (!list.Remove(index)) {
            result.Fail(kMsgRetractFailed);
            return result;
        }
    }
    StoreDelete(BodyPath(store, theirs, ticket.receivedNumber, kPrefixRcv));
    DeleteAttachmentList(store, theirs, ticket.receivedNumber);
    result.status = RetractResult::kRetracted;
    return result;
}
