// Following a slot while the game holds it: a read that fails is tried again after
// growing delays until one is good, and after the last delay no more; reading at once.
#include <gtest/gtest.h>

#include <QtTest>

#include "tests/ui/ui_test_support.h"
#include "ui/slot_watcher.h"

namespace foalix::testing {
namespace {

// Each case: the reads that fail before one is good, the waits between retries, and the
// reads made in all.
struct RetryCase {
    int failures;
    std::vector<int> retryMs;
    std::size_t reads;
};

TEST(SlotWatcher, RetriesAFailedReadWithGrowingDelays) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Svdata1a.rk5";
    QFile(path).open(QIODevice::WriteOnly);
    const std::vector<RetryCase> cases{
        {3, ui::SlotWatcher::kRetryMs, 4}, {0, {20}, 1}, {9, {20, 20}, 3},  // given up
    };
    for (const RetryCase& c : cases) {
        SCOPED_TRACE(c.failures);
        QElapsedTimer clock;
        std::vector<qint64> times;
        int failures = c.failures;
        ui::SlotWatcher watcher(
            [&] {
                times.push_back(clock.elapsed());
                return failures-- <= 0;
            },
            c.retryMs);
        watcher.readNow();  // nothing followed yet: nothing read
        watcher.watch({path});
        clock.start();
        watcher.readNow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return times.size() >= c.reads; }, 5000));
        QTest::qWait(100);
        ASSERT_EQ(times.size(), c.reads);
        for (std::size_t i = 1; i < times.size(); ++i) {
            // A coarse timer may fire up to 5% early.
            EXPECT_GE(times[i] - times[i - 1], c.retryMs[i - 1] * 95 / 100) << i;
        }
    }
}

}  // namespace
}  // namespace foalix::testing
