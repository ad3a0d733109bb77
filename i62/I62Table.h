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

// A formatter as one number: its characters up to its end, at most four, the first in the top
// byte, so that numbers are equal and ordered as strncmp(a, b, 4) finds the texts.
constexpr uint32_t I62_FormatterKey(const char* formatter)
{
    uint32_t key = 0;
    bool ended = false;
    for (int i = 0; i < 4; ++i) {
        const unsigned char c = ended ? 0 : static_cast<unsigned char>(formatter[i]);
        ended = ended || c == '\0';
        key = key << 8 | c;
    }
    return key;
}

// The keys of a table's formatters, worked out where the table is made.
template <std::size_t N> struct I62_FORMATTER_KEYS
{
    uint32_t key[N];
};

template <typename Entry, std::size_t N> constexpr I62_FORMATTER_KEYS<N> I62_KeysOf(const Entry (&table)[N])
{
    I62_FORMATTER_KEYS<N> keys{};
    for (std::size_t i = 0; i < N; ++i)
        keys.key[i] = I62_FormatterKey(table[i].formatter);
    return keys;
}

// True when the keys rise strictly from entry to entry.
template <std::size_t N> constexpr bool I62_KeysRise(const I62_FORMATTER_KEYS<N>& keys)
{
    for (std::size_t i = 1; i < N; ++i) {
        if (keys.key[i - 1] >= keys.key[i])
            return false;
    }
    return true;
}

// The lookup of I62_FindFormatter in a table whose formatters rise (checked where the table
// is made, with I62_KeysRise on its keys), by halving: the tables every sentence goes through.
template <typename Entry, std::size_t N>
const Entry* I62_FindRisingFormatter(const Entry (&table)[N], const I62_FORMATTER_KEYS<N>& keys, const char* formatter)
{
    if (formatter == nullptr)
        return nullptr;
    const uint32_t key = I62_FormatterKey(formatter);
    std::size_t low = 0;
    std::size_t high = N;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (keys.key[middle] == key)
            return &table[middle];
        if (key < keys.key[middle])
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

// The same for a table whose formatters rise, found by halving over its keys.
template <typename Store, std::size_t N>
bool I62_StoreByRisingTable(const I62_STORE_ENTRY<Store> (&table)[N], const I62_FORMATTER_KEYS<N>& keys,
                            const I61162_Data_Structure& record, const char* formatter, Store& store)
{
    const I62_STORE_ENTRY<Store>* entry = I62_FindRisingFormatter(table, keys, formatter);
    if (entry == nullptr)
        return false;
    entry->copy(record, store);
    store.*entry->present = 1;
    return true;
}
