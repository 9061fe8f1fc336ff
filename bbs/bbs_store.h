// The bulletin-board store: boards, posts with their bodies and attachments, each user's
// read marks and each post's reader log, all as files of the network directory that every
// client in the office reads and writes. Plain data in and out: the board window, the main
// window's timer, moxctl and the tests call these and show the messages they return. The
// context's acting user is the reader, the author or the one whose read marks count.
//
// A board is named by its id ("" for the default board, else the "%03d" of its number). A post
// shown in a list is named by its record index and identity (a ListLine's index and identity):
// another client may delete a post above it while the list is shown, and the identity still
// finds the right record.
#pragma once
#include <string>
#include <vector>

#include "bbs/board_title_record.h"
#include "bbs/post_record.h"
#include "bbs/read_marks.h"
#include "bbs/reader_record.h"
#include "mail/attachment_record.h"
#include "mail/mail_store.h"
#include "store/lists/list_kinds.h"

extern const char kMsgDefaultBoardTitle[];  // "デフォルト": the default board without title.txt
extern const char kMsgPostNotStored[];      // a post that could not be stored (nothing of it stays)
extern const char kMsgPostNotUpdated[];     // an update that could not be done
extern const char kMsgTitleNotWritten[];    // bbs\title.txt could not be written
extern const char kMsgNotOwnPost[];         // an update or deletion of another user's post

// The boards as the board window's two parallel boxes hold them: position 0 is the default
// board (its title the whole of bbs\title.txt, or "デフォルト"), then one board per title record
// in file order. A malformed or unreadable title list leaves the boards read until then, not
// ok, with its message.
struct BoardList : StoreResult {
    std::vector<std::string> titles;
    std::vector<std::string> ids;
};
BoardList BbsLoadBoards(const StoreContext& store);

// Board administration: appends a title record for a new board (number 0..999, title of 1 to
// 179 bytes), refusing a number already present; and writes the default board's title.
StoreResult BbsAddBoard(const StoreContext& store, int boardNumber, const std::string& title);
StoreResult BbsWriteDefaultTitle(const StoreContext& store, const std::string& title);

// Does the board hold a post that the acting user has not opened? An empty, missing or malformed post
// list holds none. The answer of the main window's timer is BbsCheckUnread: the default board,
// then every listed board, stopping at the first with news. The caller plays the sound.
struct UnreadAnswer : StoreResult {
    bool unread = false;  // messages: a post list that could not be read
};
UnreadAnswer BbsHasUnread(const StoreContext& store, const std::string& boardId);
UnreadAnswer BbsCheckUnread(const StoreContext& store);

// The post list lines of the board, newest first, marked by the read marks of the acting user.
// It is the shared list loader with list kind 3.
ListLoad BbsLoadPostList(const StoreContext& store, const std::string& boardId);

// A post as the board window and the post dialog show it: the record, its body, its attachments.
struct PostContent {
    bool found = false;  // false: the post has gone (show nothing)
    PostRecord record;
    std::string body;    // plain; empty when the post has none
    bool attachmentListFound = false;
    std::vector<AttachmentRecord> attachments;
};

// The store half of showing a post to a reader; on the first opening the reader's read mark is
// set and his reader record appended.
struct ShownPost : PostContent {
    bool firstReading = false;  // it was unread until now: the list line loses its mark
};
ShownPost BbsShowPost(const StoreContext& store, const std::string& boardId, long index,
                      const std::string* identity = nullptr);

struct NewPost {
    std::string subject;  // empty is refused; cut to 50 bytes (the dialog takes no more)
    std::string body;     // bytes as typed; empty means no body file
    std::vector<AttachmentSource> attachments;
};
// Not ok: the post dialog stays open.
struct PostResult : StoreResult {
    int number = 0;  // the post's number
};
// Stores a new post, posted now: body, attachments, the author's read mark and reader record,
// and last its record, so that a post is complete the moment other clients can see it.
PostResult BbsCreatePost(const StoreContext& store, const std::string& boardId,
                         const std::string& authorName, const NewPost& post);

// The post for the post dialog's update mode; nothing is marked.
PostContent BbsLoadPostForEdit(const StoreContext& store, const std::string& boardId, long index,
                               const std::string* identity = nullptr);

// Replaces the body (an empty body keeps the stored one) and the attachments (none removes them
// all) of the author's own post; the subject, the time, the read marks and the reader log stay.
// An attachment whose file has gone from the author's PC is stored again from its previous
// stored copy.
struct PostUpdate {
    std::string body;
    std::vector<AttachmentSource> attachments;  // source paths and titles as the dialog lists them
};
PostResult BbsUpdatePost(const StoreContext& store, const std::string& boardId, long index,
                         const std::string* identity, const PostUpdate& update);

// A post's stored copy of an attachment as this PC reaches the board folder, by the file name of
// the stored path the author's client wrote: a copy or a program started on it never reaches
// beyond the board folder.
std::string BbsStoredCopy(const StoreContext& store, const std::string& boardId,
                          const std::string& storedPath);

// For every registered user, when he first opened the post: ReaderListLine lines, in registry
// order. A malformed reader log gives "ファイルの形式が違います" and no lines; an unreadable
// registry gives its path as the message.
struct ReaderList : StoreResult {
    std::vector<std::string> lines;
};
ReaderList BbsListReaders(const StoreContext& store, const std::string& boardId, long index,
                          const std::string* identity = nullptr);

// Deletes the post shown at position of a view of lineCount lines (the shared list deletion with
// list kind 3): its record, body, reader log, attachment list and stored attachments. The read
// marks keep the post's bit.
DeleteOutcome BbsDeletePost(const StoreContext& store, const std::string& boardId, long lineCount,
                            long position, const std::string* identity = nullptr);
