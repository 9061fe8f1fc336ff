// The main window's polls without the window: on which ticks each kind is checked, and what the
// checks answer for mail, messages and posts that colleagues (moxctl) leave in the store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/main_polls.h"
#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "store/store.h"
#include "tests/support/office.h"

namespace {

// The ticks (counted from 1) on which a counter starting at start is 0 before the tick.
std::vector<int> TicksChecked(int start, int interval, int ticks) {
    std::vector<int> checked;
    for (int tick = 1, counter = start; tick <= ticks; ++tick) {
        if (counter == 0) checked.push_back(tick);
        counter = NextPollCount(counter, interval);
    }
    return checked;
}

std::vector<std::string> g_sounds;
void RecordSound(const std::string& file) { g_sounds.push_back(file); }

// User 1 signed in on a PC of an office with user 2, sounds recorded.
class Polls : public testing::Test {
protected:
    void SetUp() override {
        office_.Register("山田太郎", "yamada");
        office_.Register("佐藤花子", "sato");
        SetCurrentUserNumber(1);
        office_.SetUser("001", "MailWaveFile", "mail.wav", "Wave");
        previous_ = SetSoundPlayer(RecordSound);
        g_sounds.clear();
        ClearMessages();
    }
    void TearDown() override { SetSoundPlayer(previous_); }
    // moxctl as user (2 unless told): a colleague at another PC.
    void Moxctl(std::vector<std::string> args, int user = 2) {
        args.insert(args.begin(), {"--netdir", office_.store.Dir(), "--user", std::to_string(user)});
        ProcessResult r = RunMoxctl(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string Own(const char* name) const { return office_.store.Path(std::string("001\\") + name); }
    // The store as the signed-in user 1's client polls it.
    StoreContext Me() const { return office_.store.As(1); }

    TestOffice office_;
    PollCounters counters_;
    SoundPlayer previous_ = nullptr;
};

}  // namespace

TEST(PollSchedule, EachKindIsCheckedOnTheTicksItsIntervalSays) {
    EXPECT_EQ(TicksChecked(0, 20, 45), (std::vector<int>{1, 21, 41}));
    EXPECT_EQ(TicksChecked(0, 1, 3), (std::vector<int>{1, 2, 3}));
    // 0 stops a kind after the first tick.
    EXPECT_EQ(TicksChecked(0, 0, 100), (std::vector<int>{1}));
    // The boards wait a whole interval when they are not to be checked at start-up.
    EXPECT_EQ(TicksChecked(StartingPollCounters(0).board, 360, 800), (std::vector<int>{360, 720}));
    EXPECT_EQ(TicksChecked(StartingPollCounters(1).board, 360, 800), (std::vector<int>{1, 361, 721}));
    EXPECT_EQ(TicksChecked(StartingPollCounters(0).board, 0, 800), std::vector<int>{});
    EXPECT_EQ(StartingPollCounters(0).mail, 0);
    EXPECT_EQ(StartingPollCounters(0).message, 0);
}

TEST_F(Polls, NewMailIsAcknowledgedByDeletingItsFlagAndPlaysTheMailSound) {
    Moxctl({"send", "--to", "1", "--subject", "会議の件"});
    ASSERT_TRUE(RawFileExists(Own("mail.mox")));
    const PollIntervals intervals = {2, 1, 0};
    TickAnswer first = PollTick(Me(), counters_, intervals, false);
    EXPECT_TRUE(first.mailNews);
    EXPECT_FALSE(first.messageNews || first.boardNews || first.driveGone);
    EXPECT_FALSE(RawFileExists(Own("mail.mox")));
    EXPECT_EQ(g_sounds, std::vector<std::string>{"mail.wav"});

    // The next mail waits for the mail tick; with MailWave off it is news without a sound.
    office_.SetUser("001", "MailWave", "0", "Wave");
    Moxctl({"send", "--to", "1", "--subject", "再送"});
    EXPECT_FALSE(PollTick(Me(), counters_, intervals, false).mailNews);
    EXPECT_TRUE(RawFileExists(Own("mail.mox")));
    EXPECT_TRUE(PollTick(Me(), counters_, intervals, false).mailNews);
    EXPECT_EQ(g_sounds.size(), 1u);
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(Polls, AMessageFlagStaysForTheMessageWindow) {
    EXPECT_FALSE(PollTick(Me(), counters_, {}, true).messageNews);
    WriteRawFile(Own("message.mox"), std::string(256, 'x'));
    for (int tick = 0; tick < 2; ++tick) EXPECT_TRUE(PollTick(Me(), counters_, {}, true).messageNews);
    EXPECT_TRUE(RawFileExists(Own("message.mox")));
    EXPECT_TRUE(g_sounds.empty());
}

TEST_F(Polls, AnUnreadPostIsFoundOnTheTickTheCountersSay) {
    Moxctl({"board-add", "7", "総務"});
    Moxctl({"post", "--board", "7", "--subject", "備品の購入"});
    office_.SetUser("001", "MailWave", "0", "Wave");  // the board sound plays all the same
    counters_ = StartingPollCounters(0);
    const PollIntervals intervals = {0, 0, 3};
    std::vector<int> news;
    for (int tick = 1; tick <= 7; ++tick) {
        // From tick 5 on the board window is open: the boards are not asked.
        if (PollTick(Me(), counters_, intervals, tick >= 5).boardNews) news.push_back(tick);
    }
    EXPECT_EQ(news, std::vector<int>{3});
    EXPECT_EQ(g_sounds, std::vector<std::string>{"mail.wav"});
    // Once user 1 has read it, the boards hold nothing new for him.
    Moxctl({"read", "--board", "7", "0"}, 1);
    counters_ = PollCounters();
    EXPECT_FALSE(PollTick(Me(), counters_, intervals, false).boardNews);
}

TEST_F(Polls, ALostDriveEndsTheTickAfterOneReport) {
    const StoreContext lost{"q:\\office", 1};  // no drive Q: in the test prefix
    WriteRawFile(Own("message.mox"), "x");
    TickAnswer answer = PollTick(lost, counters_, {}, true);
    EXPECT_TRUE(answer.driveGone);
    EXPECT_FALSE(answer.mailNews || answer.messageNews);
    EXPECT_EQ(RecordedMessages(), std::vector<std::string>{"q:\\office\\001\\mail.mox 15"});
    // The message poll tells the same on its own tick.
    TickAnswer next = PollTick(lost, counters_, {}, true);
    EXPECT_TRUE(next.driveGone);
    EXPECT_EQ(RecordedMessages().back(), "q:\\office\\001\\message.mox 15");
}
