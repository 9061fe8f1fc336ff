// moxctl as administrators' scripts use it: init, register, users, options and exit codes.
#include <gtest/gtest.h>

#include "tests/support/support.h"
#include "users/registry_record.h"

TEST(MoxctlUsers, InitRegisterAndList) {
    TempFolder parent("moxctl");
    const std::string net = parent.Path("office");
    ProcessResult r = RunMoxctl({"--netdir", net, "init"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(RawFileExists(net));
    EXPECT_EQ(RunMoxctl({"--netdir", net, "init"}).exitCode, 0);  // already there is fine

    r = RunMoxctl({"--netdir", net, "register", "山田", "yamada"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "001\n");
    r = RunMoxctl({"--netdir", net, "register", "鈴木"});
    EXPECT_EQ(r.out, "002\n");
    EXPECT_TRUE(RawFileExists(net + "\\002"));

    r = RunMoxctl({"--netdir", net, "users"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "001\t山田\tyamada\n002\t鈴木\t\n");
    r = RunMoxctl({"--netdir", net, "--utf8", "users"});
    EXPECT_EQ(r.out, "001\t\xE5\xB1\xB1\xE7\x94\xB0\tyamada\n002\t\xE9\x88\xB4\xE6\x9C\xA8\t\n");

    r = RunMoxctl({"--stats", "--netdir", net, "users"});
    EXPECT_NE(r.err.find("store: opens 1 (ok 1"), std::string::npos) << r.err;
}

TEST(MoxctlUsers, UsageAndFailuresHaveTheirExitCodes) {
    TempFolder parent("moxctl");
    const std::string net = parent.Dir();
    EXPECT_EQ(RunMoxctl({"users"}).exitCode, 2);  // no --netdir
    EXPECT_EQ(RunMoxctl({"--netdir", net}).exitCode, 2);
    EXPECT_EQ(RunMoxctl({"--netdir", net, "frobnicate"}).exitCode, 2);
    EXPECT_EQ(RunMoxctl({"--netdir", net, "register"}).exitCode, 2);
    EXPECT_EQ(RunMoxctl({"--netdir", net, "--user", "1000", "users"}).exitCode, 2);
    ProcessResult r = RunMoxctl({"--netdir", net, "register", "とても長い名前の利用者さんです"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(RunMoxctl({"--netdir", net, "users"}).out, "");  // an empty office lists nobody
    EXPECT_EQ(RunMoxctl({"--netdir", parent.Path("a\\b"), "init"}).exitCode, 1);  // one level only
}

TEST(MoxctlUsers, ADamagedRegistryIsListedWholeAndNobodyIsRegisteredIntoIt) {
    TempFolder office("moxctl");
    const std::string net = office.Dir();
    // 山田 (1) and user 5, whose name a peer cut in the middle of a character; count.mox emptied;
    // then a torn record.
    const std::string whole = EncodeRegistryRecord(MakeRegistryRecord("山田", 1, "yamada")) +
                              EncodeRegistryRecord(MakeRegistryRecord("A\x81", 5, ""));
    WriteRawFile(office.Path("regist.mox"), whole + std::string(10, '\x01'));
    WriteRawFile(office.Path("count.mox"), "");
    ProcessResult r = RunMoxctl({"--netdir", net, "users"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "001\t山田\tyamada\n005\tA\t\n");
    EXPECT_EQ(r.err, "利用者ファイル(regist.mox)が壊れています。登録できません。\n");
    r = RunMoxctl({"--netdir", net, "register", "新人"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "利用者ファイル(regist.mox)が壊れています。登録できません。\n");
    EXPECT_EQ(RawFileSize(office.Path("regist.mox")), 138);
    EXPECT_EQ(ReadRawFile(office.Path("count.mox")), "");

    // Mended by hand: numbers the registry holds are never handed out again, and a login name
    // already in use is refused.
    WriteRawFile(office.Path("regist.mox"), whole);
    r = RunMoxctl({"--netdir", net, "register", "新人"});
    EXPECT_EQ(r.out, "002\n");
    std::string table = ReadRawFile(office.Path("count.mox"));
    ASSERT_EQ(table.size(), 1000u);
    EXPECT_EQ(table.substr(0, 6), std::string("\0\1\1\0\0\1", 6));
    r = RunMoxctl({"--netdir", net, "register", "偽者", "yamada"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "ＬＯＧＩＮ名はすでに使われています\n");
    EXPECT_EQ(RunMoxctl({"--netdir", net, "users"}).out,
              "001\t山田\tyamada\n005\tA\t\n002\t新人\t\n");
}
