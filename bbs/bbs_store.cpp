#include "bbs/bbs_store.h"

#include <algorithm>
#include <cstring>

#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"
#include "users/registry.h"

const char kMsgDefaultBoardTitle[] = "デフォルト";
const char kMsgPostNotStored[] = "掲示板に登録できませんでした";
const char kMsgPostNotUpdated[] = "掲示板の記事を更新できませんでした";
const char kMsgTitleNotWritten[] = "掲示板の表題を書けません";
const char kMsgNotOwnPost[] = "自分の記事ではありません";

namespace {
const char kMsgBoardNotAdded[] = "掲示板を追加できませんでした";
}  // namespace

namespace pf = post_field;

namespace {

const char kTitleList[] = "bbsttl.mox";
constexpr long kMaxBoards = kMaxBoardNumber + 1;  // one title record per board number
const char kDefaultTitle[] = "title.txt";

std::string TitleListPath(const StoreContext& store) {
    return UserStorePath(store, BoardFolder(""), kTitleList);
}
std::string DefaultTitlePath(const StoreContext& store) {
    return UserStorePath(store, BoardFolder(""), kDefaultTitle);
}
std::string PostListPath(const StoreContext& store, const std::string& folder) {
    return UserStorePath(store, folder, ListFileName(kListPosts));
}
std::string BodyPath(const StoreContext& store, const std::string& folder, int number) {
    return NumberedFileName(store, folder, number, kPrefixBbs, kExtTxt);
}
std::string ReaderLogPath(const StoreContext& store, const std::string& folder, int number) {
    return NumberedFileName(store, folder, number, kPrefixBbs, kExtChk);
}
std::string ReadMarksPath(const StoreContext& store, const std::string& folder, int user) {
    return NumberedFileName(store, folder, user, kPrefixChk, kExtChk);
}
std::string AttachmentListPath(const StoreContext& store, const std::string& folder,
                               int number) {
    return NumberedFileName(store, folder, number, kPrefixFil, kExtLst);
}

ReadMarks ReadMarksOf(const StoreContext& store, const std::string& folder, int user) {
    StoreFile map(ReadMarksPath(store, folder, user), kOpenRead);
    std::string stored;
    if (map.IsOpen()) StoreReadUpTo(map.Get(), stored, kReadMarkMapSize);
    return ReadMarks(stored);
}

// A whole reader record per exclusive open, as for list records, so the log of a post that
// several users open at once never holds a torn record. A log that ends in part of a record
// (damage: no client leaves one) is first cut back to its whole records, so that this reading
// repairs it instead of misaligning every record after it; a short write is cut off again.
bool AppendReader(const StoreContext& store, const std::string& folder, int number,
                  const ReaderRecord& reader) {
    StoreFile log(StoreOpenAppend(ReaderLogPath(store, folder, number)));
    if (!log.IsOpen()) return false;
    const long size = StoreSize(log.Get());
    if (size < 0) return false;
    const long whole = size - size % static_cast<long>(kReaderRecordSize);
    if (whole != size &&
        (StoreSeek(log.Get(), whole, kSeekSet) != whole || !StoreTruncateHere(log.Get())))
        return false;
    return StoreAppendWhole(log.Get(), EncodeReaderRecord(reader));
}

enum class Marking { kAlreadyRead, kMarked, kFailed };

// Sets the post's bit in the user's read-mark map, creating the map on first use. The read, the
// change and the write are one exclusive open, so the same user on a second PC cannot lose a
// mark set meanwhile. A first reading logs the reader (when given) before the mark is written.
Marking MarkPostRead(const StoreContext& store, const std::string& folder, int user, int number,
                     const ReaderRecord* reader) {
    StoreFile map(ReadMarksPath(store, folder, user), kOpenAlways);
    if (!map.IsOpen()) return Marking::kFailed;
    std::string stored;
    StoreReadUpTo(map.Get(), stored, kReadMarkMapSize);
    ReadMarks marks(stored);
    const bool wasRead = marks.IsRead(number);
    if (!wasRead) {
        if (reader) AppendReader(store, folder, number, *reader);
        marks.MarkRead(number);
    }
    // A map just created, or cut short by a peer, is written whole: peers read 2000 bytes.
    if (!wasRead || stored.size() < kReadMarkMapSize) {
        if (StoreSeek(map.Get(), 0, kSeekSet) != 0 ||
            StoreWrite(map.Get(), marks.Bytes().data(), kReadMarkMapSize) !=
                static_cast<long>(kReadMarkMapSize))
            return Marking::kFailed;
    }
    return wasRead ? Marking::kAlreadyRead : Marking::kMarked;
}

// The post shown at index. Another client may have deleted a post above it since the list was
// loaded; then the identity finds it where it is now. False when it has gone.
bool FindPost(const StoreContext& store, const std::string& folder, long index,
              const std::string* identity,
              std::string* record) {
    return FindListRecord(PostListPath(store, folder), index, identity, record);
}

// Every file of post n but its record: body, reader log, attachment list and stored copies.
void RemovePostFiles(const StoreContext& store, const std::string& folder, int number) {
    StoreDelete(BodyPath(store, folder, number));
    StoreDelete(ReaderLogPath(store, folder, number));
    DeleteAttachmentList(store, folder, number);
}

void AfterPostRemoval(const StoreContext& store, int, const std::string& folder,
                      const std::string& record, DeleteOutcome&) {
    RemovePostFiles(store, folder, GetInt16(BytesOf(record) + pf::kNumber));
}

// The lines as the acting user sees them: his read marks tell which posts are news.
ListLineBuilder PostLineBuilder(const StoreContext& store, int, const std::string& folder) {
    ReadMarks marks = ReadMarksOf(store, folder, store.user);
    return [marks](const unsigned char* record, long, std::string* line) {
        PostRecord post = DecodePostRecord(record);
        *line = PostListLine(post, marks.IsRead(post.number));
        return true;
    };
}

ListKindHandlers PostListKind() {
    ListKindHandlers h;
    h.listKind = kListPosts;
    h.lineBuilder = PostLineBuilder;
    h.afterRemoval = AfterPostRemoval;
    return h;
}

// The board title records in file order; not ok for a malformed or unreadable list. Board
// numbers run 0..999, so a list of more records is damage: only its first kMaxBoards are read
// (the unread check scans every board on each tick of the client's only thread) and the list
// is called malformed.
StoreResult ReadBoardTitles(const StoreContext& store, std::vector<BoardTitleRecord>* boards) {
    StoreResult result;
    StoreFile file(TitleListPath(store), kOpenRead);
    if (!file.IsOpen()) return result;
    const long size = StoreSize(file.Get());
    if (size < 0 || size % static_cast<long>(kListRecordSize) != 0) {
        result.Fail(kMsgWrongFormat);
        return result;
    }
    const long count = size / static_cast<long>(kListRecordSize);
    const size_t wanted = static_cast<size_t>(std::min(count, kMaxBoards)) * kListRecordSize;
    std::string bytes;
    StoreReadUpTo(file.Get(), bytes, wanted);
    for (size_t off = 0; off + kListRecordSize <= bytes.size(); off += kListRecordSize)
        boards->push_back(DecodeBoardTitleRecord(BytesOf(bytes) + off));
    if (bytes.size() != wanted) result.Fail(kMsgReadFailed);
    else if (count > kMaxBoards) result.Fail(kMsgWrongFormat);
    return result;
}

PostContent LoadPost(const StoreContext& store, const std::string& folder, long index,
                     const std::string* identity) {
    PostContent post;
    std::string record;
    if (!FindPost(store, folder, index, identity, &record)) return post;
    post.found = true;
    post.record = DecodePostRecord(BytesOf(record));
    const int number = post.record.number;
    post.body = LoadItemBody(BodyPath(store, folder, number), post.record.shiftFlag).text;
    std::string list;
    post.attachmentListFound = ReadStoreFile(AttachmentListPath(store, folder, number), list);
    post.attachments = DecodeAttachmentList(list);
    return post;
}

// The stored copy that the post's previous attachment list names for this source path, when it
// is one of this folder's stored copies; "" when none.
std::string PreviousCopy(const StoreContext& store, const std::string& folder,
                         const std::vector<AttachmentRecord>& previous,
                         const std::string& sourcePath) {
    for (const AttachmentRecord& a : previous) {
        std::string name = PathFileName(a.storedPath);
        if (a.sourcePath == sourcePath && IsStoredAttachmentName(name))
            return UserStorePath(store, folder, name);
    }
    return std::string();
}

// Gives a post record written plain (shift flag 0) the form of this system's own records: the
// subject shifted, the flag 2. Its body must then be shifted too (KeepBodyShifted).
void ShiftPlainRecord(unsigned char* record) {
    std::string subject = FieldBytes(record + pf::kSubject, pf::kSubjectWidth);
    ShiftBytes(subject, +1);
    std::memset(record + pf::kSubject, 0, pf::kSubjectWidth);
    std::memcpy(record + pf::kSubject, subject.data(), subject.size());
    record[pf::kShiftFlag] = kShiftOrdinary;
}

// Rewrites a body stored plain as shifted; a post without a body has nothing to rewrite.
bool KeepBodyShifted(const StoreContext& store, const std::string& folder, int number) {
    std::string body;
    if (!ReadStoreFile(BodyPath(store, folder, number), body)) return true;
    return WriteItemBody(store, folder, body, number, kPrefixBbs, kShiftOrdinary);
}

}  // namespace

BoardList BbsLoadBoards(const StoreContext& store) {
    BoardList list;
    std::string title;
    list.ids.push_back("");
    list.titles.push_back(ReadStoreFile(DefaultTitlePath(store), title) ? title : kMsgDefaultBoardTitle);
    std::vector<BoardTitleRecord> boards;
    static_cast<StoreResult&>(list) = ReadBoardTitles(store, &boards);
    for (const BoardTitleRecord& b : boards) {
        list.ids.push_back(BoardIdText(b.boardNumber));
        list.titles.push_back(b.title);
    }
    return list;
}

StoreResult BbsAddBoard(const StoreContext& store, int boardNumber, const std::string& title) {
    StoreResult result;
    if (boardNumber < 0 || boardNumber > kMaxBoardNumber) {
        result.Fail("掲示板の番号は0から999までです");
        return result;
    }
    if (title.empty()) {
        result.Fail(kMsgNoSubject);
        return result;
    }
    if (title.size() > kBoardTitleTextMax) {
        result.Fail("掲示板の表題は179バイトまでです");
        return result;
    }
    // The check and the append are one exclusive open: two administrators adding the same
    // number at once cannot both succeed.
    StoreFile file(StoreOpenAppend(TitleListPath(store)));
    if (!file.IsOpen()) {
        result.Fail(kMsgBoardNotAdded);
        return result;
    }
    const long size = StoreSize(file.Get());
    if (size < 0 || size % static_cast<long>(kListRecordSize) != 0) {
        result.Fail(kMsgWrongFormat);
        return result;
    }
    std::string bytes;
    if (StoreSeek(file.Get(), 0, kSeekSet) != 0 || !StoreReadToEnd(file.Get(), bytes) ||
        bytes.size() != static_cast<size_t>(size)) {
        result.Fail(kMsgReadFailed);
        return result;
    }
    for (size_t off = 0; off < bytes.size(); off += kListRecordSize) {
        if (DecodeBoardTitleRecord(BytesOf(bytes) + off).boardNumber == boardNumber) {
            result.Fail("掲示板 " + BoardIdText(boardNumber) + " はすでにあります");
            return result;
        }
    }
    // Readers take no more records than there are board numbers: one added after them would
    // never be seen.
    if (size / static_cast<long>(kListRecordSize) >= kMaxBoards) {
        result.Fail(kMsgWrongFormat);
        return result;
    }
    if (!StoreAppendWhole(file.Get(), EncodeBoardTitleRecord(BoardTitleRecord{boardNumber, title}))) {
        result.Fail(kMsgBoardNotAdded);
        return result;
    }
    return result;
}

StoreResult BbsWriteDefaultTitle(const StoreContext& store, const std::string& title) {
    StoreResult result;
    MakeStoreFolder(StorePath(store, BoardFolder("")));
    if (!WriteStoreFile(DefaultTitlePath(store), title)) result.Fail(kMsgTitleNotWritten);
    return result;
}

UnreadAnswer BbsHasUnread(const StoreContext& store, const std::string& boardId) {
    UnreadAnswer answer;
    const std::string folder = BoardFolder(boardId);
    const ReadMarks marks = ReadMarksOf(store, folder, store.user);
    ListLoad load = LoadListFile(PostListPath(store, folder), [&](const unsigned char* r, long, std::string*) {
        if (!marks.IsRead(GetInt16(r + pf::kNumber))) answer.unread = true;
        return false;
    });
    // A list of the wrong size holds nothing unread, silently: the timer asks every few
    // minutes, and the board window tells of it when the board is chosen.
    if (!answer.unread && !load.ok && load.FirstMessage() == kMsgReadFailed)
        answer.Tell(load.FirstMessage());
    return answer;
}

UnreadAnswer BbsCheckUnread(const StoreContext& store) {
    UnreadAnswer answer = BbsHasUnread(store, "");
    if (answer.unread) return answer;
    std::vector<BoardTitleRecord> boards;
    ReadBoardTitles(store, &boards);  // a malformed title list: no further boards, silently
    for (const BoardTitleRecord& b : boards) {
        UnreadAnswer board = BbsHasUnread(store, BoardIdText(b.boardNumber));
        answer.messages.insert(answer.messages.end(), board.messages.begin(), board.messages.end());
        if (board.unread) {
            answer.unread = true;
            break;
        }
    }
    return answer;
}

ListLoad BbsLoadPostList(const StoreContext& store, const std::string& boardId) {
    return LoadList(store, PostListKind(), BoardFolder(boardId));
}

ShownPost BbsShowPost(const StoreContext& store, const std::string& boardId, long index,
                      const std::string* identity) {
    ShownPost shown;
    static_cast<PostContent&>(shown) = LoadPost(store, BoardFolder(boardId), index, identity);
    if (!shown.found) return shown;
    const ReaderRecord me = MakeReaderRecord(store.user, LocalTimeNow());
    shown.firstReading = MarkPostRead(store, BoardFolder(boardId), store.user, shown.record.number,
                                      &me) == Marking::kMarked;
    return shown;
}

PostResult BbsCreatePost(const StoreContext& store, const std::string& boardId,
                         const std::string& authorName, const NewPost& post) {
    PostResult result;
    if (post.subject.empty()) {
        result.Fail(kMsgNoSubject);
        return result;
    }
    const std::string folder = BoardFolder(boardId);
    // A board's folder lies in the default board's, which has no folder before its first post
    // or title; the number counter makes only the last level.
    if (!boardId.empty()) MakeStoreFolder(StorePath(store, BoardFolder("")));
    PostRecord record;
    record.shiftFlag = kShiftOrdinary;
    record.authorNumber = store.user;
    record.authorName = authorName;
    ItemNumber taken = NextItemNumber(store, folder, kCounterPost);
    record.number = taken.number;
    record.postedTime = LocalTimeNow();
    record.subject = CutSjis(post.subject, kSubjectTextMax);
    const int n = record.number;
    if (n == 0) {
        result.messages = taken.messages;
        result.Fail(kMsgPostNotStored);
        return result;
    }
    bool complete = post.body.empty() || WriteItemBody(store, folder, post.body, n, kPrefixBbs, kShiftOrdinary);
    if (complete && !post.attachments.empty()) {
        StoreResult stored = StoreAttachments(store, post.attachments, folder, n);
        result.messages = stored.messages;
        complete = stored.ok;
    }
    // The author has read his own post, and his reader record comes first in its log: both are
    // in place before the record makes the post visible to any other client.
    if (complete) {
        AppendReader(store, folder, n, MakeReaderRecord(store.user, record.postedTime));
        MarkPostRead(store, folder, store.user, n, nullptr);
    }
    if (!complete || !AppendListRecord(EncodePostRecord(record), PostListPath(store, folder))) {
        RemovePostFiles(store, folder, n);
        result.Fail(kMsgPostNotStored);
        return result;
    }
    result.number = n;
    return result;
}

PostContent BbsLoadPostForEdit(const StoreContext& store, const std::string& boardId, long index,
                               const std::string* identity) {
    return LoadPost(store, BoardFolder(boardId), index, identity);
}

PostResult BbsUpdatePost(const StoreContext& store, const std::string& boardId, long index,
                         const std::string* identity, const PostUpdate& update) {
    PostResult result;
    const std::string folder = BoardFolder(boardId);
    int n = 0;
    bool wasPlain = false;
    {
        ListEdit list(PostListPath(store, folder));
        long at = !list.Ready() ? -1 : identity ? list.Locate(index, *identity) : index;
        // Only the author updates a post, and only the post he chose, even when other posts
        // have left the list since it was shown.
        if (at < 0 || at >= list.Count() ||
            GetInt16(list.Record(at) + pf::kAuthorNumber) != store.user) {
            result.Fail(list.Message().empty() ? kMsgPostNotUpdated : list.Message());
            return result;
        }
        unsigned char* record = list.Record(at);
        n = GetInt16(record + pf::kNumber);
        if (record[pf::kShiftFlag] == kShiftPlain) {
            ShiftPlainRecord(record);
            wasPlain = true;
            if (!list.Rewrite(at)) {
                result.Fail(kMsgPostNotUpdated);
                return result;
            }
        }
    }
    // The body is always written shifted; one kept from a record written plain is shifted now,
    // or it would read as garbage under the record's new flag.
    const bool bodyWritten = update.body.empty()
                                 ? !wasPlain || KeepBodyShifted(store, folder, n)
                                 : WriteItemBody(store, folder, update.body, n, kPrefixBbs, kShiftOrdinary);
    if (!bodyWritten) {
        result.Fail(kMsgPostNotUpdated);
        return result;
    }
    // The previous copies are deleted only after the new ones are stored: an attachment whose
    // file has gone from the author's PC is copied from them.
    const std::string listPath = AttachmentListPath(store, folder, n);
    const std::vector<AttachmentRecord> previous = LoadAttachmentList(listPath);
    if (update.attachments.empty()) {
        StoreDelete(listPath);
    } else {
        std::vector<AttachmentSource> sources = update.attachments;
        for (AttachmentSource& s : sources) s.storedCopy = PreviousCopy(store, folder, previous, s.path);
        StoreResult stored = StoreAttachments(store, sources, folder, n);
        result.messages = stored.messages;
        if (!stored.ok) {
            // The old list may still name the previous copies: they stay.
            result.Fail(kMsgPostNotUpdated);
            return result;
        }
    }
    DeleteStoredAttachments(store, folder, previous);
    result.number = n;
    return result;
}

std::string BbsStoredCopy(const StoreContext& store, const std::string& boardId,
                          const std::string& storedPath) {
    return UserStorePath(store, BoardFolder(boardId), PathFileName(storedPath));
}

ReaderList BbsListReaders(const StoreContext& store, const std::string& boardId, long index,
                          const std::string* identity) {
    ReaderList list;
    const std::string folder = BoardFolder(boardId);
    std::string record;
    if (!FindPost(store, folder, index, identity, &record)) return list;
    RegistryRead registry = ReadRegistry(store);
    if (!registry.ok) {
        static_cast<StoreResult&>(list) = registry;
        return list;
    }
    // A missing log: nobody has read the post.
    std::string log;
    StoreFile logFile(ReaderLogPath(store, folder, GetInt16(BytesOf(record) + pf::kNumber)), kOpenRead);
    if (logFile.IsOpen() && !StoreReadToEnd(logFile.Get(), log)) {
        list.Fail(kMsgReadFailed);
        return list;
    }
    logFile.Close();
    if (log.size() % kReaderRecordSize != 0) {
        list.Fail(kMsgWrongFormat);
        return list;
    }
    std::vector<ReaderRecord> readers;
    for (size_t off = 0; off < log.size(); off += kReaderRecordSize)
        readers.push_back(DecodeReaderRecord(BytesOf(log) + off));
    for (const RegistryRecord& user : registry.records) {
        auto first = std::find_if(readers.begin(), readers.end(),
                                  [&](const ReaderRecord& r) { return r.reader == user.number; });
        list.lines.push_back(ReaderListLine(user.name, first == readers.end() ? nullptr : &*first));
    }
    return list;
}

DeleteOutcome BbsDeletePost(const StoreContext& store, const std::string& boardId, long lineCount,
                            long position,
                            const std::string* identity) {
    return DeleteListEntry(store, PostListKind(), BoardFolder(boardId), lineCount, position, identity);
}
