#include "DialogTemplate.h"

#include <cstring>

namespace {

template <class T> T ReadAt(const unsigned char* bytes, size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

} // namespace

bool ReadDialogPlacement(const void* data, size_t size, DialogPlacement* placement) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (data == nullptr || size < 18)
        return false;
    // An extended template begins with version 1 and signature 0xFFFF:
    //   WORD version, WORD signature, DWORD helpId, DWORD exStyle, DWORD style,
    //   WORD items, short x, short y, short cx, short cy
    // a classic one with its style:
    //   DWORD style, DWORD exStyle, WORD items, short x, short y, short cx, short cy
    bool extended = ReadAt<WORD>(bytes, 0) == 1 && ReadAt<WORD>(bytes, 2) == 0xFFFF;
    if (extended) {
        if (size < 26)
            return false;
        placement->style = ReadAt<DWORD>(bytes, 12);
        placement->x = ReadAt<short>(bytes, 18);
        placement->y = ReadAt<short>(bytes, 20);
    } else {
        placement->style = ReadAt<DWORD>(bytes, 0);
        placement->x = ReadAt<short>(bytes, 10);
        placement->y = ReadAt<short>(bytes, 12);
    }
    return true;
}

bool FrameworkCentres(const DialogPlacement& placement) {
    return placement.x == 0 && placement.y == 0 &&
           (placement.style & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE)) == 0;
}
