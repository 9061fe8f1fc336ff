// The main window's polls of the store. Its one-second timer counts ticks for each kind (mail,
// messages, bulletin boards) and checks a kind on the ticks its counter allows; each check asks
// the store whether something new waits for the context's acting user (the signed-in one).
// Window-free: the main window opens the matching window or marks its title from the answer. No
// windows.h.
#pragma once
#include "store/context.h"

// Ticks between two checks of each kind, from the per-user settings (MailCheckSec,
// MsgCheckSec, BbsCheckSec); 0 stops the checks of that kind after the first tick.
struct PollIntervals {
    int mail = 20;
    int message = 1;
    int board = 360;
};

// A kind is checked on a tick when its counter is 0.
struct PollCounters {
    int mail = 0;
    int message = 0;
    int board = 0;
};

// Mail and messages are checked on the first tick. The boards are too, unless the user asked
// not to check them at start-up (bbsCheck 0): their first check then waits a whole interval.
PollCounters StartingPollCounters(int bbsCheck);
// The counter after a tick: (counter + 1) mod interval. An interval of 0 gives 1, which never
// returns to 0, so that kind is never checked again.
int NextPollCount(int counter, int interval);

// What a check of mail.mox or message.mox found. kDriveGone: the network drive is gone (the
// store's error 15), which the main window turns into its close question.
enum class PollFind { kNothing, kNews, kDriveGone };

// New mail: mail.mox in the own user folder is deleted (that acknowledges it to the senders)
// and the mail sound plays when MailWave is on.
PollFind CheckNewMail(const StoreContext& store);
// A new message: message.mox in the own user folder stays for the message window to take.
PollFind CheckNewMessage(const StoreContext& store);
// An unread post on the default board or on any listed board, in list order, stopping at the
// first; news plays the mail sound whatever MailWave says. A post list that cannot be read is
// told through the message sink.
bool CheckBoardNews(const StoreContext& store);

// The answer of one tick.
struct TickAnswer {
    bool boardNews = false;
    bool mailNews = false;
    bool messageNews = false;
    bool driveGone = false;  // the rest of the tick's checks were skipped
};
// One timer tick: the checks that are due, in the order boards, mail, messages (the boards only
// while boardWindowOpen is false), then every counter advanced.
TickAnswer PollTick(const StoreContext& store, PollCounters& counters, const PollIntervals& intervals,
                    bool boardWindowOpen);
