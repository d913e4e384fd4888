#include "addressbook/win32/AddressImport.h"

#include "addressbook/AddressListImport.h"
#include "addressbook/win32/AddressDialog.h"
#include "addressbook/win32/ProviderAddressBook.h"
#include "session/win32/ProgressDialog.h"

void PickAndImportAddresses(const AddressBookProviders& providers, HWND host, SessionLists& lists,
                            ImportStatistics& statistics) {
    // Freed with the provider's allocator when it goes out of scope, also when empty.
    const std::unique_ptr<ProviderRows> picked = PickAddresses(providers, host);
    if (!picked || picked->RowCount() == 0)
        return;
    ProgressDialog notice;
    ProviderAddressBook book(providers);
    ImportAddressList(book, *picked, lists, statistics);
}
