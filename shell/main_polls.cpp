#include "shell/main_polls.h"

#include <string>

#include "app/settings/keys.h"
#include "app/settings/settings.h"
#include "bbs/bbs_store.h"
#include "mail/mail_store.h"
#include "store/message_sink.h"
#include "store/store.h"

namespace {

const char kMessageFlag[] = "message.mox";

// Does the flag file exist in the own user folder? Another client may be creating or appending
// to it right now: StoreExists retries while the sender holds it.
PollFind TestFlag(const StoreContext& store, const char* name) {
    OpenResult flag = StoreExists(UserStorePath(store, store.UserFolder(), name));
    if (flag.Opened()) return PollFind::kNews;
    return flag.error == kErrInvalidDrive ? PollFind::kDriveGone : PollFind::kNothing;
}

}  // namespace

PollCounters StartingPollCounters(int bbsCheck) {
    PollCounters counters;
    if (bbsCheck == 0) counters.board = 1;
    return counters;
}

int NextPollCount(int counter, int interval) {
    if (interval == 0) return 1;
    return (counter + 1) % interval;
}

PollFind CheckNewMail(const StoreContext& store) {
    PollFind find = TestFlag(store, kMailFlagName);
    if (find != PollFind::kNews) return find;
    // Deleting the flag is how this client tells that the mail has been noticed; a sender who
    // delivers again meanwhile creates it anew.
    StoreDelete(UserStorePath(store, store.UserFolder(), kMailFlagName));
    PlaySettingSound(kKeyMailWave, kKeyMailWaveFile);
    return find;
}

PollFind CheckNewMessage(const StoreContext& store) { return TestFlag(store, kMessageFlag); }

bool CheckBoardNews(const StoreContext& store) {
    UnreadAnswer news = BbsCheckUnread(store);
    ShowMessages(news);
    if (news.unread) PlaySettingSound(nullptr, kKeyMailWaveFile);
    return news.unread;
}

TickAnswer PollTick(const StoreContext& store, PollCounters& counters, const PollIntervals& intervals,
                    bool boardWindowOpen) {
    TickAnswer answer;
    if (counters.board == 0 && !boardWindowOpen) answer.boardNews = CheckBoardNews(store);
    if (counters.mail == 0) {
        PollFind find = CheckNewMail(store);
        answer.mailNews = find == PollFind::kNews;
        answer.driveGone = find == PollFind::kDriveGone;
    }
    // With the drive gone the message check would only report the loss a second time.
    if (counters.message == 0 && !answer.driveGone) {
        PollFind find = CheckNewMessage(store);
        answer.messageNews = find == PollFind::kNews;
        answer.driveGone = find == PollFind::kDriveGone;
    }
    counters.mail = NextPollCount(counters.mail, intervals.mail);
    counters.message = NextPollCount(counters.message, intervals.message);
    counters.board = NextPollCount(counters.board, intervals.board);
    return answer;
}
