#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

struct I61162_Data_Structure;

// The entry of a formatter table (entries with a `formatter` text) that names formatter
// exactly (three characters, case-sensitive), or null.
template <typename Entry, std::size_t N> const Entry* I62_FindFormatter(const Entry (&table)[N], const char* formatter)
{
    if (formatter == nullptr)
        return nullptr;
    for (const Entry& entry : table) {
        if (std::strncmp(formatter, entry.formatter, 4) == 0)
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
