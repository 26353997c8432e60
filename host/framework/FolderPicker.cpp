#include "FolderPicker.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// The picker needs COM on the calling thread, in a single-threaded
// apartment. Leaves it as it found it.
class ComApartment {
public:
    ComApartment() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_hr;
};

// An item identifier list that the shell handed over, freed with the
// shell's allocator. Move-only.
class ItemIdList {
public:
    explicit ItemIdList(LPITEMIDLIST list) : m_list(list) {}
    ~ItemIdList() {
        if (m_list)
            ::CoTaskMemFree(m_list);
    }
    ItemIdList(ItemIdList&& other) noexcept : m_list(other.m_list) { other.m_list = nullptr; }
    ItemIdList& operator=(ItemIdList&& other) noexcept {
        if (this != &other) {
            if (m_list)
                ::CoTaskMemFree(m_list);
            m_list = other.m_list;
            other.m_list = nullptr;
        }
        return *this;
    }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;

    LPCITEMIDLIST Get() const { return m_list; }

private:
    LPITEMIDLIST m_list;
};

} // namespace

int PickFolder(HWND owner, const char* title, CString& path) {
    ComApartment apartment;
    char buffer[MAX_PATH] = {};

    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pidlRoot = nullptr; // the desktop, top of the namespace
    browse.pszDisplayName = nullptr;
    browse.lpszTitle = title;
    browse.ulFlags = 0;
    ItemIdList picked(::SHBrowseForFolderA(&browse));
    if (picked.Get() == nullptr)
        return FOLDER_CANCELLED;
    // Fails for a virtual folder (My Computer, the network, ...): the
    // buffer then says nothing about the user's choice.
    if (!::SHGetPathFromIDListA(picked.Get(), buffer) || buffer[0] == '\0')
        return FOLDER_NO_PATH;
    path = buffer;
    return FOLDER_PICKED;
}
