#pragma once

// Searching, sorting and insertion in plain arrays.
namespace Algorithm {

// Index of key in the ascending array a[0..n-1], or -1.
int BinarySearch(const int* a, int key, int n);

// Index of key (found true) or the index at which it would be inserted to keep the order.
int BinarySearch(bool* found, const unsigned long* a, unsigned long key, int n);

// Sorts a[lo..hi], both inclusive, ascending.
void QuickSort(int* a, int lo, int hi);

// Stores value at pos in an array of count elements, moving pos..count-2 up one place;
// the last element drops out. False when pos lies outside the array.
bool Insert(int* a, int value, int pos, int count);
bool Insert(unsigned long* a, unsigned long value, int pos, int count);

} // namespace Algorithm
