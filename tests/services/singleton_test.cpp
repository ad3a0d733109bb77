#include "services/Singleton.h"

#include <cstdio>
#include <gtest/gtest.h>

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
