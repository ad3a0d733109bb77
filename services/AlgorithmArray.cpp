#include "AlgorithmArray.h"

#include <utility>

namespace Algorithm {

namespace {

template <typename T> bool insertAt(T* a, T value, int pos, int count)
{
    if (a == nullptr || pos < 0 || pos >= count)
        return false;
    for (int i = count - 1; i > pos; --i)
        a[i] = a[i - 1];
    a[pos] = value;
    return true;
}

} // namespace

int BinarySearch(const int* a, int key, int n)
{
    int lo = 0;
    int hi = n - 1;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        if (a[mid] == key)
            return mid;
        if (a[mid] < key)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return -1;
}

int BinarySearch(bool* found, const unsigned long* a, unsigned long key, int n)
{
    bool ignored = false;
    if (found == nullptr)
        found = &ignored;
    *found = false;
    int lo = 0;
    int hi = n - 1;
    int mid = 0;
    while (lo <= hi) {
        mid = lo + (hi - lo) / 2;
        if (a[mid] == key) {
            *found = true;
            return mid;
        }
        if (a[mid] < key)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    if (n <= 0)
        return 0;
    return a[mid] < key ? mid + 1 : mid;
}

void QuickSort(int* a, int lo, int hi)
{
    // The smaller side recurses and the larger one loops, so the stack stays shallow.
    while (lo < hi) {
        const int pivot = a[lo + (hi - lo) / 2];
        int i = lo;
        int j = hi;
        while (i <= j) {
            while (a[i] < pivot)
                ++i;
            while (a[j] > pivot)
                --j;
            if (i <= j) {
                std::swap(a[i], a[j]);
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            QuickSort(a, lo, j);
            lo = i;
        } else {
            QuickSort(a, i, hi);
            hi = j;
        }
    }
}

bool Insert(int* a, int value, int pos, int count)
{
    return insertAt(a, value, pos, count);
}

bool Insert(unsigned long* a, unsigned long value, int pos, int count)
{
    return insertAt(a, value, pos, count);
}

} // namespace Algorithm
