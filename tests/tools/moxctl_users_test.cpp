// moxctl as administrators' scripts use it: init, register, users, options and exit codes.
#include <gtest/gtest.h>

#include "tests/support/support.h"

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
