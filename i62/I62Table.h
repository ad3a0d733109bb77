#pragma once

#include <cstddef>
#include <cstring>

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
