#include "services/Singleton.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

struct Probe
{
    Probe() { ++created; }
    virtual ~Probe() { std::fputs("probe deleted\n", stderr); }
    static inline int created = 0;
};

struct Second
{
    ~Second() { std::fputs("second deleted\n", stderr); }
};

} // namespace

TEST(Singleton, CreatesOnceOnFirstUse)
{
    Probe* first = Pattern::Singleton<Probe>::instance();
    Probe* again = Pattern::Singleton<Probe>::instance();
    EXPECT_EQ(first, again);
    EXPECT_EQ(Probe::created, 1);
}

TEST(SingletonDeathTest, DeletesAtExitInReverseOrderOfCreation)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Pattern::Singleton<Probe>::instance();
            Pattern::Singleton<Second>::instance();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "second deleted\nprobe deleted");
}

namespace {

struct SlowProbe
{
    // Slow enough that every caller arrives while the first is still constructing.
    SlowProbe()
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ++created;
    }
    static inline std::atomic<int> created{0};
};

} // namespace

TEST(Singleton, FirstUseFromManyThreadsCreatesOneInstance)
{
    std::atomic<bool> go{false};
    std::vector<SlowProbe*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&go, &seen, i] {
            while (!go)
                std::this_thread::yield();
            seen[i] = Pattern::Singleton<SlowProbe>::instance();
        });
    }
    go = true;
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(SlowProbe::created, 1);
    for (SlowProbe* p : seen)
        EXPECT_EQ(p, seen.front());
}
