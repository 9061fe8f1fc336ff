// The chat room in the store: the lines and the conversation's trimming, entering, polling and
// leaving (the last leaver emptying the room, a restarted log), moxctl's chat commands, and
// members entering and leaving under load.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "chat/chat_store.h"
#include "chat/chat_text.h"
#include "store/names.h"
#include "store/store.h"
#include "store/tally.h"
#include "tests/support/support.h"

namespace {

std::string Lines(int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

std::vector<std::string> Names(const ChatMembers& members) {
    std::vector<std::string> names;
    for (const RegistryRecord& m : members.members) names.push_back(m.name + "/" + m.numberText);
    return names;
}

ProcessResult Moxctl(const TempStore& store, int user, std::vector<std::string> args) {
    std::vector<std::string> all = {"--netdir", store.Dir(), "--user", std::to_string(user)};
    all.insert(all.end(), args.begin(), args.end());
    return RunMoxctl(all);
}

}  // namespace

TEST(ChatText, LinesAreStoredShiftedAndTheConversationKeepsItsLast50LinesPast100) {
    EXPECT_EQ(ChatSaidLine("やま", "こんにちは"), "やま > こんにちは\r\n");
    EXPECT_EQ(ChatJoinedLine("やま"), "やまさんが入ってきたよ～。\r\n");
    EXPECT_EQ(ChatLeftLine("やま"), "やまさんが出ていっちゃたよ～。\r\n");
    EXPECT_EQ(StoredChatText("a > b\r\n"), std::string("b!?!c\x0e\x0b"));
    EXPECT_EQ(ShownChatText(StoredChatText(ChatJoinedLine("やま"))), ChatJoinedLine("やま"));

    // 100 lines are kept; the 101st makes the first 51 go before the new text is added.
    EXPECT_EQ(ChatConversationAfter(Lines(1, 100), "new\r\n"), Lines(1, 100) + "new\r\n");
    EXPECT_EQ(ChatConversationAfter(Lines(1, 101), "new\r\n"), Lines(52, 101) + "new\r\n");
    // A long line is one line, however the window wraps it; no half line is left.
    const std::string longLine = std::string(400, 'x') + "\r\n";
    EXPECT_EQ(ChatConversationAfter(longLine + Lines(2, 101), ""), Lines(52, 101));
}

TEST(ChatStore, EnterSayPollAndLeaveWithTheLastLeaverEmptyingTheRoom) {
    TempStore store;
    ChatView a, b;
    // An empty room: CHA, one 64-byte record, and A's first poll shows A's own joined line.
    ASSERT_TRUE(EnterChat(store.As(1), "やま", &a));
    EXPECT_EQ(RawFileSize(store.Path("CHA\\USER.MOX")), 64);
    EXPECT_EQ(PollChatLog(store.As(1), &a).text, ChatJoinedLine("やま"));
    EXPECT_EQ(Names(PollChatMembers(store.As(1), &a)), std::vector<std::string>{"やま/001"});
    EXPECT_FALSE(PollChatMembers(store.As(1), &a).changed);
    EXPECT_EQ(PollChatLog(store.As(1), &a).text, "");

    // Two entries within one second: both listed (the size tells what the time cannot).
    ASSERT_TRUE(EnterChat(store.As(2), "佐藤", &b));
    EXPECT_EQ(Names(PollChatMembers(store.As(1), &a)), (std::vector<std::string>{"やま/001", "佐藤/002"}));
    ASSERT_TRUE(EnterChat(store.As(1), "やま", &a));  // a second window of the same user
    EXPECT_EQ(PollChatMembers(store.As(1), &a).members.size(), 3u);

    // 20 lines said between two polls: all of them, far past 256 bytes.
    std::string said;
    for (int i = 0; i < 20; ++i) {
        const std::string text = "二十行のうちの" + std::to_string(i) + "行目です";
        ASSERT_TRUE(SayInChat(store.As(2), "佐藤", text));
        said += ChatSaidLine("佐藤", text);
    }
    ASSERT_TRUE(SayInChat(store.As(2), "佐藤", ""));
    EXPECT_EQ(PollChatLog(store.As(2), &b).text, ChatJoinedLine("佐藤") + ChatJoinedLine("やま") + said);
    // The said text is cut to 126 bytes at a character boundary.
    ASSERT_TRUE(SayInChat(store.As(2), "佐藤", std::string(125, 'x') + "漢"));
    EXPECT_EQ(PollChatLog(store.As(2), &b).text, ChatSaidLine("佐藤", std::string(125, 'x')));

    // Leaving removes every record of the leaver's number (both of やま's), and tells the room.
    EXPECT_EQ(LeaveChat(store.As(1), "やま"), ChatLeave::kLeft);
    EXPECT_EQ(Names(PollChatMembers(store.As(2), &b)), std::vector<std::string>{"佐藤/002"});
    EXPECT_EQ(PollChatLog(store.As(2), &b).text, ChatLeftLine("やま"));
    // One who has no record left does not empty the room under someone else.
    EXPECT_EQ(LeaveChat(store.As(3), "田中"), ChatLeave::kLeft);
    EXPECT_EQ(RawFileSize(store.Path("CHA\\USER.MOX")), 64);
    // The last one: both files go, no left line; nothing of USER.SAV.
    EXPECT_EQ(LeaveChat(store.As(2), "佐藤"), ChatLeave::kRoomEmptied);
    EXPECT_EQ(ListFolder(store.Path("CHA")), std::vector<std::string>{});
    EXPECT_EQ(LeaveChat(store.As(2), "佐藤"), ChatLeave::kNotLeft);
}

TEST(ChatStore, ALogRestartedByAnotherMemberIsShownFromItsStart) {
    TempStore store;
    ChatView a, b;
    ASSERT_TRUE(EnterChat(store.As(1), "やま", &a));
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(SayInChat(store.As(1), "やま", "発言" + std::to_string(i)));
    EXPECT_EQ(PollChatLog(store.As(1), &a).text.substr(0, 6), "やまさ");
    // moxctl as やま's number leaves: the room is emptied; 佐藤 starts a new one and says a line.
    ProcessResult r = Moxctl(store, 1, {"chat-leave"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(RawFileExists(store.Path("CHA\\CHAT.MOX")));
    ASSERT_TRUE(EnterChat(store.As(2), "佐藤", &b));
    ASSERT_TRUE(SayInChat(store.As(2), "佐藤", "はい"));
    ChatLogNews news = PollChatLog(store.As(1), &a);
    EXPECT_TRUE(news.restarted);
    EXPECT_EQ(news.text, ChatJoinedLine("佐藤") + ChatSaidLine("佐藤", "はい"));
    EXPECT_EQ(PollChatLog(store.As(1), &a).text, "");

    // Restarted again, and grown past the old position before the next poll: from its start too.
    ASSERT_EQ(LeaveChat(store.As(2), "佐藤"), ChatLeave::kRoomEmptied);
    ASSERT_TRUE(EnterChat(store.As(3), "田中", &b));
    const std::string longText(100, 'z');
    ASSERT_TRUE(SayInChat(store.As(3), "田中", longText));
    news = PollChatLog(store.As(1), &a);
    EXPECT_TRUE(news.restarted);
    EXPECT_EQ(news.text, ChatJoinedLine("田中") + ChatSaidLine("田中", longText));
}

TEST(ChatStore, MoxctlEntersSaysListsShowsTheLogAndLeaves) {
    TempStore store;
    EXPECT_EQ(Moxctl(store, 1, {"chat-enter", "--handle", "やま"}).exitCode, 0);
    EXPECT_EQ(Moxctl(store, 2, {"chat-enter"}).exitCode, 0);  // unregistered: an empty handle
    EXPECT_EQ(Moxctl(store, 1, {"chat-say", "--handle", "やま", "こんにちは"}).exitCode, 0);
    EXPECT_EQ(Moxctl(store, 1, {"chat-say", std::string(127, 'x')}).exitCode, 1);
    ProcessResult members = Moxctl(store, 1, {"chat-members"});
    EXPECT_EQ(members.out, "やま\t001\n\t002\n");
    ProcessResult log = Moxctl(store, 1, {"chat-log"});
    EXPECT_EQ(log.out, ChatJoinedLine("やま") + ChatJoinedLine("") + ChatSaidLine("やま", "こんにちは"));
    EXPECT_EQ(Moxctl(store, 2, {"chat-leave"}).exitCode, 0);
    EXPECT_EQ(Moxctl(store, 1, {"chat-members"}).out, "やま\t001\n");
    EXPECT_EQ(Moxctl(store, 1, {"chat-enter", "--handle", std::string(21, 'h')}).exitCode, 1);
}

// ---- entering and leaving under load ----

// Enters and leaves the room count times as user N.
MOX_WORKER(enter_and_leave) {
    const StoreContext member{args.at(0), std::stoi(args.at(1))};
    const int count = std::stoi(args.at(2));
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        ChatView view;
        if (!EnterChat(member, "w" + args.at(1), &view)) ++failed;
        if (LeaveChat(member, "w" + args.at(1)) != ChatLeave::kLeft) ++failed;
    }
    return failed;
}

TEST(ChatStore, MembersEnteringAndLeavingAtOnceKeepThoseWhoStay) {
    TempStore store;
    ChatView view;
    ASSERT_TRUE(EnterChat(store.As(1), "やま", &view));
    ASSERT_TRUE(EnterChat(store.As(2), "佐藤", &view));
    std::vector<Child> children;
    for (int w = 10; w < 12; ++w)
        children.push_back(StartWorker("enter_and_leave", {store.Dir(), std::to_string(w), "100"}));
    for (Child& c : children) {
        std::string out;
        EXPECT_EQ(WaitChild(c, &out), 0) << out;
    }
    view.membersRead = false;
    EXPECT_EQ(Names(PollChatMembers(store.As(1), &view)), (std::vector<std::string>{"やま/001", "佐藤/002"}));
    EXPECT_EQ(ListFolder(store.Path("CHA")), (std::vector<std::string>{"CHAT.MOX", "USER.MOX"}));
}

// ---- figures for scripts/bench-chat.sh (not run by CTest) ----

TEST(ChatBench, DISABLED_StoreOperationsOfAnIdlePollAndBytesReadFromALongLog) {
    TempStore store;
    ChatView view;
    ASSERT_TRUE(EnterChat(store.As(1), "やま", &view));
    PollChatLog(store.As(1), &view);
    PollChatMembers(store.As(1), &view);
    ResetTally();
    for (int i = 0; i < 100; ++i) {
        PollChatLog(store.As(1), &view);
        PollChatMembers(store.As(1), &view);
    }
    std::printf("idle poll (log and members, nothing changed): %.1f store operations\n",
                static_cast<double>(Tally().Operations()) / 100);
    // A log of 1 MB, read up to its end; then one line is added.
    std::string line = StoredChatText(ChatSaidLine("佐藤", std::string(100, 'x')));
    std::string big;
    while (big.size() < 1024 * 1024) big += line;
    WriteRawFile(store.Path("CHA\\CHAT.MOX"), big);
    view.readPosition = 0;
    view.seenTail.clear();
    PollChatLog(store.As(1), &view);
    ASSERT_TRUE(SayInChat(store.As(2), "佐藤", "一行"));
    ResetTally();
    const ChatLogNews news = PollChatLog(store.As(1), &view);
    std::printf("poll of a %zu-byte log after one line: %llu bytes read, %zu bytes new, "
                "%llu store operations\n",
                big.size(), static_cast<unsigned long long>(Tally().bytesRead), news.text.size(),
                static_cast<unsigned long long>(Tally().Operations()));
}
