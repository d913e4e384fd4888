// The two address-book providers: the address-book library opened on a file, or the messaging
// library logged on to the user's profile. At most one is open; it holds the address book that
// the address dialog and the extraction use, and decides which allocator goes with it.
#pragma once

#include "addressbook/win32/ComPtr.h"
#include "platform/Win32Handles.h"
#include "session/Desktop.h"

#include <string>

#include <mapix.h>
#include <wabapi.h>

class AddressBookProviders {
  public:
    AddressBookProviders() = default;
    ~AddressBookProviders();
    AddressBookProviders(const AddressBookProviders&) = delete;
    AddressBookProviders& operator=(const AddressBookProviders&) = delete;

    // Opened when the address book and the address-book object are open on `fileName` (empty
    // for the default file). A library of the other bitness is told in a message owned by `host`.
    WabOpening OpenWab(const std::string& fileName, HWND host);
    // Closes what OpenWab opened, whatever it got to.
    void ReleaseWab();

    // True when the address book of the messaging profile is open. Tells the user, in a message
    // owned by `host`, when the messaging library is missing or it or the mail program has the
    // other bitness.
    bool StartMapi(HWND host);
    // Closes what StartMapi opened, whatever it got to.
    void StopMapi(HWND host);

    // The open address book, or null.
    IAddrBook* AddressBook() const { return addressBook_.get(); }

    // The allocator of the open provider: the address-book object's while it is set, else the
    // messaging library's. Null when there is none or it has no memory.
    void* AllocateBuffer(ULONG size) const;
    void FreeBuffer(void* buffer) const;

  private:
    platform::LibraryHandle mapiLibrary_;
    platform::LibraryHandle wabLibrary_;
    ComPtr<IWABObject> wabObject_;
    ComPtr<IMAPISession> mapiSession_;
    ComPtr<IAddrBook> addressBook_;
};
