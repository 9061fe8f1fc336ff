// Several clients at once: four senders deliver to one recipient while the recipient opens and
// deletes. Every copy must end up exactly once, either in the recipient's list or marked "削除"
// in its sender's list, with no file left behind for a deleted item.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "mail/mail_store.h"
#include "store/lists/list_kinds.h"
#include "store/store.h"
#include "store/tally.h"
#include "tests/support/support.h"

namespace {

constexpr int kSenders = 4;
constexpr int kMailsEach = 100;
constexpr int kRecipient = 5;

bool HasAttachment(int i) { return i % 4 == 0; }

std::string Figures(const char* role, const std::string& extra) {
    char text[256];
    std::snprintf(text, sizeof text, "%s %s opens %llu busy %llu retries %llu\n", role, extra.c_str(),
                  (unsigned long long)Tally().Opens(), (unsigned long long)Tally().opensBusy,
                  (unsigned long long)Tally().busyRetries);
    return text;
}

}  // namespace

// args: netdir, own number, attachment path. Delivers kMailsEach mails to kRecipient.
MOX_WORKER(mail_sender) {
    const int own = std::stoi(args.at(1));
    const StoreContext sender{args.at(0), own};
    Party recipient{kRecipient, "受信者"};
    int undelivered = 0, messages = 0;
    for (int i = 0; i < kMailsEach; ++i) {
        OutgoingItem item;
        item.subject = "S" + std::to_string(own) + "-" + std::to_string(i);
        item.body = "本文 " + item.subject + "\r\n";
        item.sentTime = LocalTimeNow();
        if (HasAttachment(i)) item.attachments.push_back({args.at(2), "添付"});
        DeliveryResult r = DeliverItem(sender, "送信者" + std::to_string(own), {recipient}, item);
        if (!r.copies.at(0).delivered) ++undelivered;
        messages += static_cast<int>(r.messages.size());
    }
    std::fputs(Figures("sender", "undelivered " + std::to_string(undelivered) + " messages " +
                                     std::to_string(messages)).c_str(), stdout);
    return 0;
}

// args: netdir, stop marker. Opens and deletes items of its received list until the marker
// appears.
MOX_WORKER(mail_reader) {
    const StoreContext reader{args.at(0), kRecipient};
    const std::string folder = reader.UserFolder();
    int opened = 0, deleted = 0, loadErrors = 0, failures = 0;
    for (unsigned step = 0; !RawFileExists(args.at(1)); ++step) {
        ListLoad load = LoadList(reader, MailListKind(kListReceived), folder);
        if (!load.ok) ++loadErrors;
        if (load.lines.empty()) {
            Sleep(1);
            continue;
        }
        const long count = static_cast<long>(load.lines.size());
        const long position = static_cast<long>(step * 7 % static_cast<unsigned>(count));
        const ListLine& line = load.lines[static_cast<size_t>(position)];
        // A mix of items opened and kept, deleted unopened, opened and deleted, left alone.
        const unsigned action = step % 4;
        if (action == 0 || action == 2) {
            if (MarkItemOpened(reader, line.index, &line.identity).ok) ++opened;
            else ++failures;
        }
        if (action == 1 || action == 2) {
            DeleteOutcome out = DeleteListEntry(reader, MailListKind(kListReceived), folder, count, position,
                                                &line.identity);
            if (out.removed) ++deleted;
            else ++failures;
        }
    }
    std::fputs(Figures("reader", "opened " + std::to_string(opened) + " deleted " +
                                     std::to_string(deleted) + " load-errors " +
                                     std::to_string(loadErrors) + " failures " +
                                     std::to_string(failures)).c_str(), stdout);
    return 0;
}

namespace {

std::vector<MailRecord> ListRecords(const std::string& bytes) {
    std::vector<MailRecord> records;
    for (size_t off = 0; off + 256 <= bytes.size(); off += 256)
        records.push_back(DecodeMailRecord(bytes.substr(off, 256)));
    return records;
}

std::string Numbered(const char* prefix, int n, const char* ext) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%04d%s", prefix, n, ext);
    return name;
}

}  // namespace

TEST(MailUnderLoad, FourSendersAndABusyRecipientLoseNothing) {
    TempStore store;
    TempFolder local("moxsrc");
    const std::string attachment = local.Path("資料.doc");
    WriteRawFile(attachment, std::string(20000, 'x'));
    const std::string stop = local.Path("stop");

    DWORD start = GetTickCount();
    Child reader = StartWorker("mail_reader", {store.Dir(), stop});
    std::vector<Child> senders;
    for (int s = 1; s <= kSenders; ++s)
        senders.push_back(StartWorker("mail_sender", {store.Dir(), std::to_string(s), attachment}));
    std::string figures;
    for (Child& c : senders) {
        std::string out;
        EXPECT_EQ(WaitChild(c, &out, 300000), 0) << out;
        figures += out;
        EXPECT_NE(out.find("undelivered 0 messages 0 "), std::string::npos) << out;
    }
    DWORD sendersDone = GetTickCount() - start;
    WriteRawFile(stop, "");
    std::string out;
    EXPECT_EQ(WaitChild(reader, &out, 60000), 0) << out;
    figures += out;
    EXPECT_NE(out.find("load-errors 0 failures 0 "), std::string::npos) << out;
    std::printf("figures: %d senders x %d mails in %lu ms\n%s", kSenders, kMailsEach, sendersDone,
                figures.c_str());

    const std::string rcvFolder = store.Path(UserFolderName(kRecipient));
    std::string receivedBytes = ReadRawFile(rcvFolder + "\\rcvlst.mox");
    ASSERT_EQ(receivedBytes.size() % 256, 0u);
    std::vector<MailRecord> received = ListRecords(receivedBytes);

    // Each received record belongs to one sent copy; no two share a received number.
    std::map<std::pair<int, int>, const MailRecord*> receivedBySent;
    std::set<int> receivedNumbers;
    for (const MailRecord& r : received) {
        EXPECT_TRUE(receivedNumbers.insert(r.receivedNumber).second) << r.receivedNumber;
        EXPECT_TRUE(receivedBySent.emplace(std::make_pair(r.userNumber, r.sentNumber), &r).second);
    }

    std::set<std::string> expectedRecipientFiles = {"rcvlst.mox", "rcvnum.mox", "filnum.mox", "mail.mox"};
    int deletedTwins = 0, listedTwins = 0, lost = 0;
    for (int s = 1; s <= kSenders; ++s) {
        const std::string folder = UserFolderName(s);
        std::string sentBytes = ReadRawFile(store.Path(folder + "\\sndlst.mox"));
        ASSERT_EQ(sentBytes.size(), 256u * kMailsEach) << folder;
        std::set<std::string> expectedSenderFiles = {"sndlst.mox", "sndnum.mox"};
        for (const MailRecord& twin : ListRecords(sentBytes)) {
            const int i = std::stoi(twin.subject.substr(twin.subject.find('-') + 1));
            expectedSenderFiles.insert(Numbered("snd", twin.sentNumber, ".txt"));
            if (HasAttachment(i)) expectedSenderFiles.insert(Numbered("sfl", twin.sentNumber, ".lst"));
            auto it = receivedBySent.find({s, twin.sentNumber});
            if (twin.status == kStatusDeleted) {
                ++deletedTwins;
                EXPECT_TRUE(it == receivedBySent.end()) << twin.subject;
                continue;
            }
            if (it == receivedBySent.end()) {
                ADD_FAILURE() << twin.subject << " is nowhere";
                ++lost;
                continue;
            }
            ++listedTwins;
            const MailRecord& r = *it->second;
            EXPECT_EQ(r.subject, twin.subject);
            EXPECT_EQ(r.receivedNumber, twin.receivedNumber);
            EXPECT_EQ(r.status, twin.status) << twin.subject;
            expectedRecipientFiles.insert(Numbered("rcv", r.receivedNumber, ".txt"));
            if (HasAttachment(i)) {
                std::string list = Numbered("fil", r.receivedNumber, ".lst");
                expectedRecipientFiles.insert(list);
                for (const AttachmentRecord& a : LoadAttachmentList(rcvFolder + "\\" + list))
                    expectedRecipientFiles.insert(PathFileName(a.storedPath));
            }
        }
        std::vector<std::string> files = ListFolder(store.Path(folder));
        EXPECT_EQ(std::set<std::string>(files.begin(), files.end()), expectedSenderFiles) << folder;
    }
    std::printf("figures: %zu received and listed, %d deleted by the recipient, %d lost\n",
                received.size(), deletedTwins, lost);
    EXPECT_EQ(listedTwins, static_cast<int>(received.size()));
    EXPECT_EQ(listedTwins + deletedTwins, kSenders * kMailsEach);
    EXPECT_GT(deletedTwins, 0);
    // No body, attachment list or stored attachment remains for a deleted item.
    std::vector<std::string> files = ListFolder(rcvFolder);
    EXPECT_EQ(std::set<std::string>(files.begin(), files.end()), expectedRecipientFiles);
}
