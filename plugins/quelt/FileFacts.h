// What ConvertFile needs to know of an open file: which file it is (its
// index on its volume), its attributes and whether it is empty.
//
// Read through the system's per-handle queries: the usual
// GetFileInformationByHandle also looks up the volume, which under Wine
// costs about half a millisecond for every new handle, more than the whole
// conversion of a small file. The volume is looked up only when two
// indices are equal.
#pragma once

#include <windows.h>

struct FileFacts {
    ULONGLONG index = 0;
    DWORD attributes = 0;
    bool empty = true;
};

// False when the handle gives no such facts (a device, say).
bool ReadFileFacts(HANDLE file, FileFacts* facts);

// True when the two open handles name one file on one volume.
bool IsSameFile(HANDLE a, const FileFacts& aFacts, HANDLE b, const FileFacts& bFacts);
