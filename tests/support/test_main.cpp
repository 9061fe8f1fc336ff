// Main of every test program. It prints "mox-test-exit N" as its very last line: CTest passes
// a test only on "mox-test-exit 0", so a program that never really ran (a Wine without 32-bit
// support exits with status 0 and no output) or died half-way fails instead of passing.
#include <gtest/gtest.h>

#include <cstdio>

#include "store/message_sink.h"

void RecordMessage(const std::string& text);
int RunWorkerIfAsked(int argc, char** argv);

void ClearMessages();

namespace {
// Every test starts with no recorded messages.
class ClearMessagesBetweenTests : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { ClearMessages(); }
};
}  // namespace

int main(int argc, char** argv) {
    SetMessageSink(RecordMessage);
    int worker = RunWorkerIfAsked(argc, argv);
    if (worker >= 0) return worker;
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ClearMessagesBetweenTests);
    int result = RUN_ALL_TESTS();
    std::printf("mox-test-exit %d\n", result);
    std::fflush(stdout);
    return result;
}
