// All converters of one start-up, in the order the folder search found them.
// Entry i is the converter of action row i. A count of zero or less means
// an empty table; m_pEntries is then null.
#pragma once

#include "ConverterEntry.h"

class ConverterTable {
public:
    ConverterTable() = default;
    // Destroys the entries, the last one found first, freeing their libraries.
    ~ConverterTable();
    ConverterTable(const ConverterTable&) = delete;
    ConverterTable& operator=(const ConverterTable&) = delete;

    // Loads every file matching "*.dll" in the current folder (folders are
    // skipped). 0 when at least one file was found, whether or not it could
    // be loaded; -1 when none was found or the folder could not be searched.
    int LoadConverters();

    ConverterEntry* m_pEntries = nullptr;
    int m_nCount = -1;
};
