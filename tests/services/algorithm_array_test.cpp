#include "services/AlgorithmArray.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace Algorithm;

TEST(AlgorithmArrayTest, QuickSortMatchesStdSortOnRandomArrays)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(random() % 200);
        // Narrow value ranges give many duplicates of the pivot.
        const int spread = round % 3 == 0 ? 3 : round % 3 == 1 ? 1000 : 2000000000;
        std::uniform_int_distribution<int> value(-spread, spread);
        std::vector<int> data(static_cast<std::size_t>(n) + 2);
        for (int& v : data)
            v = value(random);
        std::vector<int> expected = data;
        std::sort(expected.begin() + 1, expected.end() - 1); // only the inner range
        QuickSort(data.data(), 1, n);
        ASSERT_EQ(data, expected) << "round " << round;
    }
}

TEST(AlgorithmArrayTest, BinarySearchMatchesTheStandardLibrary)
{
    std::mt19937 random(77);
    for (int round = 0; round < 200; ++round) {
        std::vector<int> ints(random() % 64);
        for (int& v : ints)
            v = static_cast<int>(random() % 100);
        std::sort(ints.begin(), ints.end());
        ints.erase(std::unique(ints.begin(), ints.end()), ints.end());
        const std::vector<unsigned long> longs(ints.begin(), ints.end());
        const int size = static_cast<int>(ints.size());
        for (int key = 0; key <= 101; ++key) {
            const auto at = std::lower_bound(ints.begin(), ints.end(), key);
            const bool present = at != ints.end() && *at == key;
            const int index = static_cast<int>(at - ints.begin());
            EXPECT_EQ(BinarySearch(ints.data(), key, size), present ? index : -1);
            bool found = !present;
            EXPECT_EQ(BinarySearch(&found, longs.data(), static_cast<unsigned long>(key), size), index);
            EXPECT_EQ(found, present);
        }
    }
}

TEST(AlgorithmArrayTest, BinarySearchInsertionPoints)
{
    const unsigned long a[] = {1, 3, 5};
    bool found = true;
    EXPECT_EQ(BinarySearch(&found, a, 4, 3), 2);
    EXPECT_FALSE(found);
    EXPECT_EQ(BinarySearch(&found, a, 5, 3), 2);
    EXPECT_TRUE(found);
    EXPECT_EQ(BinarySearch(&found, a, 0, 3), 0);
    EXPECT_EQ(BinarySearch(&found, a, 6, 0), 0);
    EXPECT_EQ(BinarySearch(&found, a, 6, -2), 0);
}

TEST(AlgorithmArrayTest, InsertDropsTheLastElement)
{
    int a[] = {1, 2, 3, 4};
    EXPECT_TRUE(Insert(a, 9, 1, 4));
    EXPECT_EQ(std::vector<int>(a, a + 4), (std::vector<int>{1, 9, 2, 3}));
    EXPECT_TRUE(Insert(a, 7, 3, 4));
    EXPECT_EQ(std::vector<int>(a, a + 4), (std::vector<int>{1, 9, 2, 7}));
    EXPECT_FALSE(Insert(a, 5, 4, 4));
    EXPECT_FALSE(Insert(a, 5, -1, 4));
    unsigned long u[] = {10, 20, 30};
    EXPECT_TRUE(Insert(u, 5ul, 0, 3));
    EXPECT_EQ(std::vector<unsigned long>(u, u + 3), (std::vector<unsigned long>{5, 10, 20}));
}
