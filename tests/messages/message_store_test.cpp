// Messages in the store: the entry's bytes, the checks of sending, the take of message.mox under
// a load of appending clients, and moxctl's message and messages.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "messages/message_store.h"
#include "messages/message_text.h"
#include "store/names.h"
#include "store/store.h"
#include "tests/support/support.h"
#include "users/registry.h"

namespace {

// 山田 (001) sends; 佐藤 (002) and 鈴木 (004) run the program, 田中 (003) does not.
struct MessageOffice {
    TempStore store;
    std::vector<Party> users;
    MessageOffice() {
        for (const char* name : {"山田", "佐藤", "田中", "鈴木"}) {
            RegisterResult r = RegisterNewUser(store.As(), name, "");
            users.push_back(Party{r.number, name});
        }
        // 佐藤's marker may be one left behind by a program that ended abnormally: it counts.
        WriteRawFile(store.Path("002\\login.mox"), "");
        WriteRawFile(store.Path("004\\login.mox"), "");
    }
    std::string File(const std::string& folder) const { return store.Path(folder + "\\message.mox"); }
    MessageSend Send(const std::vector<int>& to, const std::string& text) const {
        std::vector<Party> recipients;
        for (int n : to) recipients.push_back(users.at(static_cast<size_t>(n - 1)));
        return SendMessageToSelection(store.As(1), "山田", recipients, text, 9, 5);
    }
};

std::string Shifted(std::string text) {
    ShiftBytes(text, 1);
    return text;
}

}  // namespace

TEST(MessageStore, EntryBytesChecksPerRecipientAndAWholeTakeOfLongEntries) {
    MessageOffice office;
    // The entry of 09:05 from 山田 with 了解, byte for byte.
    MessageSend sent = office.Send({2}, "了解");
    EXPECT_TRUE(sent.ok && sent.messages.empty());
    EXPECT_EQ(ReadRawFile(office.File("002")),
              Shifted("09時05分 山田様からメッセージです\r\n了解\r\n"));

    // Refused before anything is tried: the dialog stays open.
    EXPECT_EQ(office.Send({}, "了解").FirstMessage(), kMsgNoRecipient);
    EXPECT_TRUE(office.Send({2}, "").refused);
    // A single recipient is told why; nothing is written for him.
    EXPECT_EQ(office.Send({3}, "了解").messages, std::vector<std::string>{kMsgNotRunning});
    EXPECT_FALSE(RawFileExists(office.File("003")));
    EXPECT_EQ(office.Send({2}, "再送").messages, std::vector<std::string>{kMsgPending});
    // Of several only the one running without a pending file gets it, and nobody is told.
    sent = office.Send({3, 2, 4}, "会議室へ");
    EXPECT_TRUE(sent.messages.empty());
    ASSERT_EQ(sent.copies.size(), 3u);
    EXPECT_EQ(sent.copies[0].fate, MessageFate::kNotRunning);
    EXPECT_EQ(sent.copies[1].fate, MessageFate::kPending);
    EXPECT_EQ(sent.copies[2].fate, MessageFate::kSent);
    EXPECT_EQ(ShownMessages(ReadRawFile(office.File("002"))),
              "09時05分 山田様からメッセージです\r\n了解\r\n");

    // A file that cannot take the entry (held by another client through every attempt): the
    // recipient is named, not passed over in silence.
    ASSERT_TRUE(TakePendingMessages(office.store.As(4)).taken);
    HANDLE held = CreateFileA(office.File("004").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    sent = office.Send({2, 4}, "了解");
    CloseHandle(held);
    EXPECT_EQ(sent.messages, std::vector<std::string>{"鈴木様へ送信できませんでした"});
    EXPECT_EQ(RawFileSize(office.File("004")), 0);
    DeleteFileA(office.File("004").c_str());

    // A text past 300 bytes loses the character that would cross the limit, whole.
    ASSERT_TRUE(TakePendingMessages(office.store.As(2)).taken);
    office.Send({2}, std::string(299, 'x') + "了");
    EXPECT_EQ(TakePendingMessages(office.store.As(2)).text,
              FormatMessageEntry(9, 5, "山田", std::string(299, 'x')));

    // Two entries of the longest kind (a 20-byte name, 300 bytes of text): 706 bytes, both
    // shown whole, and the file is gone.
    const std::string name(20, 'N');
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(DeliverMessage(office.store.As(1), name, "002", std::string(300, 'y'), 23, 59));
    EXPECT_EQ(RawFileSize(office.File("002")), 706);
    PendingMessages taken = TakePendingMessages(office.store.As(2));
    EXPECT_TRUE(taken.taken);
    EXPECT_EQ(taken.text, FormatMessageEntry(23, 59, name, std::string(300, 'y')) +
                              FormatMessageEntry(23, 59, name, std::string(300, 'y')));
    EXPECT_FALSE(RawFileExists(office.File("002")));
    EXPECT_FALSE(TakePendingMessages(office.store.As(2)).taken);
}

TEST(MessageStore, MoxctlSendsWithTheDialogsChecksAndTakesAsTheWindowDoes) {
    MessageOffice office;
    WriteRawFile(office.File("004"), Shifted("x"));  // 鈴木 has a message waiting
    auto moxctl = [&](int user, std::vector<std::string> args) {
        std::vector<std::string> all = {"--netdir", office.store.Dir(), "--user",
                                        std::to_string(user)};
        all.insert(all.end(), args.begin(), args.end());
        return RunMoxctl(all);
    };
    ProcessResult r = moxctl(1, {"message", "--to", "4,3,2", "--text", "了解"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "002\t送信\n003\t相手のミトカが起動されていません\n"
                     "004\t相手のメッセージファイルにメッセージがたまっています\n");
    EXPECT_EQ(moxctl(1, {"message", "--to", "2", "--text", std::string(301, 'z')}).exitCode, 1);
    EXPECT_EQ(moxctl(1, {"message", "--to", "2", "--text", ""}).exitCode, 1);
    r = moxctl(2, {"messages"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("様からメッセージです\r\n了解\r\n"), std::string::npos) << r.out;
    EXPECT_FALSE(RawFileExists(office.File("002")));
    EXPECT_EQ(moxctl(2, {"messages"}).out, "");
}

// ---- the take under load ----

// Appends count entries "<tag>-<i>" to user 2's message.mox as fast as it can, skipping the
// pending test as two senders that tested at the same moment do.
MOX_WORKER(append_messages) {
    const StoreContext office{args.at(0), 1};
    const int count = std::stoi(args.at(1));
    int failed = 0;
    for (int i = 0; i < count; ++i)
        if (!DeliverMessage(office, "山田", "002", args.at(2) + "-" + std::to_string(i), 9, 5))
            ++failed;
    return failed;
}

namespace {

// The take as it was: one read of 512 bytes, close, then delete.
PendingMessages OldTake(const StoreContext& store) {
    PendingMessages pending;
    const std::string path = MessageFilePath(store, "002");
    {
        StoreFile file(path, kOpenRead);
        if (!file.IsOpen()) return pending;
        char block[512];
        long got = StoreRead(file.Get(), block, sizeof block);
        if (got > 0) pending.text = ShownMessages(std::string(block, static_cast<size_t>(got)));
    }
    StoreDelete(path);
    pending.taken = true;
    return pending;
}

// Four clients append 200 entries each while this one takes in a loop; how often each entry
// was shown.
std::map<std::string, int> TakeUnderLoad(const TempStore& store,
                                         PendingMessages (*take)(const StoreContext&)) {
    std::vector<Child> children;
    for (int w = 0; w < 4; ++w)
        children.push_back(StartWorker("append_messages", {store.Dir(), "200", "w" + std::to_string(w)}));
    std::string shown;
    auto takeOnce = [&] { shown += take(store.As(2)).text; };
    for (Child& c : children) {
        while (WaitForSingleObject(c.process, 0) == WAIT_TIMEOUT) takeOnce();
        std::string out;
        EXPECT_EQ(WaitChild(c, &out), 0) << out;
    }
    takeOnce();
    std::map<std::string, int> seen;
    const std::string head = "09時05分 山田様からメッセージです\r\n";
    for (size_t at = shown.find(head); at != std::string::npos; at = shown.find(head, at)) {
        at += head.size();
        const size_t end = shown.find("\r\n", at);
        if (end == std::string::npos) break;
        ++seen[shown.substr(at, end - at)];
    }
    return seen;
}

int ShownExactlyOnce(const std::map<std::string, int>& seen) {
    int once = 0;
    for (int w = 0; w < 4; ++w)
        for (int i = 0; i < 200; ++i) {
            auto it = seen.find("w" + std::to_string(w) + "-" + std::to_string(i));
            if (it != seen.end() && it->second == 1) ++once;
        }
    return once;
}

}  // namespace

TEST(MessageStore, EveryEntryAppendedDuringTakesIsShownExactlyOnce) {
    TempStore store;
    for (const char* name : {"山田", "佐藤"}) RegisterNewUser(store.As(), name, "");
    EXPECT_EQ(ShownExactlyOnce(TakeUnderLoad(store, TakePendingMessages)), 800);
    EXPECT_FALSE(RawFileExists(store.Path("002\\message.mox")));
    // The take of one 512-byte read, a close and then a delete loses entries under the same load.
    EXPECT_LT(ShownExactlyOnce(TakeUnderLoad(store, OldTake)), 800);
}
