// Which folder a path really names: its volume and file index, the same for
// every spelling of the path (case, short names, "." and "..", links).
#pragma once

#include <windows.h>

struct FolderIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool known = false;

    // The identity of the existing file or folder at path; unknown when it
    // cannot be opened or the file system gives no index.
    static FolderIdentity Of(const char* path);

    // True only when both are known and name the same folder.
    bool SameAs(const FolderIdentity& other) const {
        return known && other.known && volume == other.volume && indexHigh == other.indexHigh &&
               indexLow == other.indexLow;
    }
};
