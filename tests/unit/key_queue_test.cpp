#include <gtest/gtest.h>

#include "screen/gfx.h"
#include "session.h"
#include "runtime/key_queue.h"
#include "runtime/presenter.h"

namespace vela {
namespace {

TEST(KeyQueue, HoldsNinetyNineBytesInOrderAndDropsTheRest) {
    test::Session s(false);
    for (int k = 1; k <= 100; ++k) PushKey(uint8_t(k));
    EXPECT_EQ(QueuedKeyCount(), 99);
    for (int k = 1; k <= 99; ++k) ASSERT_EQ(ReadKey(), k);
    EXPECT_FALSE(KeyPressed());
}

TEST(KeyQueue, AnArrowIsTwoReadsAndOneFreeSlotKeepsOnlyItsZero) {
    test::Session s(false);
    s.platform.AppendKeys("{up}");
    EXPECT_EQ(ReadKey(), 0);
    EXPECT_EQ(ReadKey(), 72);

    for (int k = 0; k < 98; ++k) PushKey('a');
    PushKey(0);
    PushKey(80);  // no room left: only the 0 is kept
    EXPECT_EQ(QueuedKeyCount(), 99);
    for (int k = 0; k < 98; ++k) ReadKey();
    EXPECT_EQ(ReadKey(), 0);
    EXPECT_FALSE(KeyPressed());
}

TEST(KeyQueue, DelaySleepsHalfTheTimeRoundedDown) {
    test::Session s(false);
    for (auto [asked, slept] : {std::pair{1, 0}, {5, 2}, {1000, 500}}) {
        uint64_t before = s.platform.sleptMs;
        Delay(asked);
        EXPECT_EQ(s.platform.sleptMs - before, uint64_t(slept)) << "Delay " << asked;
    }
}

TEST(KeyQueue, DiscardingPendingKeysNeverEatsAScriptedKey) {
    test::Session s(false);
    PushKey('x');
    s.platform.AppendKeys("q");
    DiscardKeys();  // takes the typed x only
    EXPECT_EQ(ReadKey(), 'q');
    EXPECT_THROW(ReadKey(), ScriptExhausted);
}

TEST(KeyQueue, ADiscardRightAfterAnEmptyPollKeepsTheNextScriptedKey) {
    test::Session s(false);
    s.platform.AppendKeys("ab");
    EXPECT_FALSE(KeyPressed());
    DiscardKeys();
    EXPECT_EQ(ReadKey(), 'a');
}

TEST(KeyQueue, AScreenThatAnimatesUntilAKeyGetsItsKey) {
    test::Session s(false);
    s.platform.AppendKeys("k");
    int frames = 0;
    while (!KeyPressed() && frames < 100) {
        PutPixel(frames, 0, frames % 16);  // a new frame between polls
        ++frames;
    }
    EXPECT_LT(frames, 100);
    EXPECT_EQ(ReadKey(), 'k');
}

TEST(KeyQueue, AnIdleWaitSleepsInsteadOfSpinning) {
    test::Session s(false);
    uint64_t start = s.platform.NowMs();
    EXPECT_FALSE(KeyPressed());  // the first empty poll answers at once
    EXPECT_EQ(s.platform.NowMs(), start);
    s.platform.AppendKeys("{wait}{wait}");
    EXPECT_FALSE(KeyPressed());  // the second one waits, at most a tick
    EXPECT_GE(s.platform.NowMs(), start + 10);
    EXPECT_EQ(s.platform.lastWaitMs, kPresentTickMs);
    // Waiting for a key with nothing else to do: no time limit at all, and
    // what was drawn is shown first.
    s.platform.AppendKeys("k");
    SetFillStyle(1, 3);
    Bar(0, 0, 5, 5);
    PutPixel(9, 9, 1);
    int presents = s.platform.presentCount;
    EXPECT_EQ(ReadKey(), 'k');
    EXPECT_EQ(s.platform.lastWaitMs, -1);
    EXPECT_GT(s.platform.presentCount, presents);
    EXPECT_EQ(s.platform.changedBottom, 10);
}

}  // namespace
}  // namespace vela
