#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

struct I61162_Data_Structure;

// True when two texts agree up to their ends, at most n characters: strncmp(a, b, n) == 0
// without a library call, which the tables below make several times for every sentence.
inline bool I62_SameText(const char* a, const char* b, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return false;
        if (a[i] == '\0')
            return true;
    }
    return true;
}

// The same formatter: three characters and the end (or the one-letter query formatter).
inline bool I62_SameFormatter(const char* a, const char* b)
{
    return I62_SameText(a, b, 4);
}

// Orders two formatters the way strncmp(a, b, 4) does.
constexpr int I62_CompareFormatter(const char* a, const char* b)
{
    for (int i = 0; i < 4; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
        if (x == '\0')
            return 0;
    }
    return 0;
}

// True when the formatters of a table rise strictly from entry to entry.
template <typename Entry, std::size_t N> constexpr bool I62_FormattersRise(const Entry (&table)[N])
{
    for (std::size_t i = 1; i < N; ++i) {
        if (I62_CompareFormatter(table[i - 1].formatter, table[i].formatter) >= 0)
            return false;
    }
    return true;
}

// The lookup of I62_FindFormatter in a table whose formatters rise (checked where the table
// is made, with I62_FormattersRise), by halving: the tables every sentence goes through.
template <typename Entry, std::size_t N>
const Entry* I62_FindRisingFormatter(const Entry (&table)[N], const char* formatter)
{
    if (formatter == nullptr)
        return nullptr;
    std::size_t low = 0;
    std::size_t high = N;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const int order = I62_CompareFormatter(formatter, table[middle].formatter);
        if (order == 0)
            return &table[middle];
        if (order < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return nullptr;
}

// The entry of a formatter table (entries with a `formatter` text) that names formatter
// exactly (three characters, case-sensitive), or null.
template <typename Entry, std::size_t N> const Entry* I62_FindFormatter(const Entry (&table)[N], const char* formatter)
{
    if (formatter == nullptr)
        return nullptr;
    for (const Entry& entry : table) {
        if (I62_SameFormatter(formatter, entry.formatter))
            return &entry;
    }
    return nullptr;
}

// One formatter of a sentence store: how its fields go into the store, and its present flag.
template <typename Store> struct I62_STORE_ENTRY
{
    const char* formatter;
    void (*copy)(const I61162_Data_Structure&, Store&);
    uint8_t Store::*present;
};

// Stores the record by the entry of its formatter and sets that entry's present flag; false
// when the table has no entry for it.
template <typename Store, std::size_t N>
bool I62_StoreByTable(const I62_STORE_ENTRY<Store> (&table)[N], const I61162_Data_Structure& record,
                      const char* formatter, Store& store)
{
    const I62_STORE_ENTRY<Store>* entry = I62_FindFormatter(table, formatter);
    if (entry == nullptr)
        return false;
    entry->copy(record, store);
    store.*entry->present = 1;
    return true;
}
