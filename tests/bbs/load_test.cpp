// Two clients post to one board at once, each loading the post list between its posts as the
// board window does. Every post must get its own number and arrive whole: record, body and the
// author's reader record.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "bbs/bbs_store.h"
#include "store/store.h"
#include "store/tally.h"
#include "tests/support/support.h"

namespace {

constexpr int kPostsEach = 150;
const char kBoard[] = "003";

std::string Subject(int author, int i) { return "P" + std::to_string(author) + "-" + std::to_string(i); }

}  // namespace

// args: netdir, own number. Posts kPostsEach posts to kBoard.
MOX_WORKER(bbs_poster) {
    const int own = std::stoi(args.at(1));
    const StoreContext poster{args.at(0), own};
    int failed = 0, loadErrors = 0;
    for (int i = 0; i < kPostsEach; ++i) {
        NewPost post;
        post.subject = Subject(own, i);
        post.body = "本文 " + post.subject;
        PostResult r = BbsCreatePost(poster, kBoard, "投稿者" + std::to_string(own), post);
        if (!r.ok || !r.messages.empty()) ++failed;
        if (!BbsLoadPostList(poster, kBoard).ok) ++loadErrors;
    }
    std::printf("poster %d failed %d load-errors %d opens %llu retries %llu busy %llu\n", own, failed,
                loadErrors, (unsigned long long)Tally().Opens(), (unsigned long long)Tally().busyRetries,
                (unsigned long long)Tally().opensBusy);
    return 0;
}

TEST(BoardUnderLoad, TwoClientsPostingAtOnceGetDistinctNumbersAndWholeRecords) {
    TempStore store;
    ASSERT_TRUE(BbsAddBoard(store.As(), 3, "共有").ok);
    std::vector<Child> posters;
    for (int own : {1, 2}) posters.push_back(StartWorker("bbs_poster", {store.Dir(), std::to_string(own)}));
    for (Child& c : posters) {
        std::string out;
        EXPECT_EQ(WaitChild(c, &out, 300000), 0) << out;
        std::printf("figures: %s", out.c_str());
        EXPECT_NE(out.find("failed 0 load-errors 0 "), std::string::npos) << out;
    }

    const std::string folder = store.Path("bbs\\003\\");
    std::string list = ReadRawFile(folder + "bbslst.mox");
    ASSERT_EQ(list.size(), 256u * 2 * kPostsEach);
    std::set<int> numbers;
    std::set<std::string> subjects;
    for (size_t off = 0; off < list.size(); off += 256) {
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(list.data()) + off;
        PostRecord post = DecodePostRecord(bytes);
        EXPECT_EQ(bytes[1], kItemPost);
        EXPECT_EQ(GetInt16(bytes + 36), post.number);
        EXPECT_TRUE(numbers.insert(post.number).second) << post.number;
        EXPECT_TRUE(subjects.insert(post.subject).second) << post.subject;
        EXPECT_EQ(post.subject.substr(0, 3), "P" + std::to_string(post.authorNumber) + "-");
        EXPECT_EQ(post.authorName, "投稿者" + std::to_string(post.authorNumber));
        EXPECT_EQ(LoadItemBody(folder + NumberedName(post.number, kPrefixBbs, kExtTxt), kShiftOrdinary).text,
                  "本文 " + post.subject);
        std::string log = ReadRawFile(folder + NumberedName(post.number, kPrefixBbs, kExtChk));
        ASSERT_EQ(log.size(), 32u) << post.number;
        EXPECT_EQ(DecodeReaderRecord(reinterpret_cast<const unsigned char*>(log.data())).reader,
                  post.authorNumber);
    }
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 2 * kPostsEach);
}
