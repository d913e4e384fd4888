// Import types 1 to 3 once a provider is open: the address dialog, then the extraction of fax
// recipients from what was picked, under the progress notice.
#pragma once

#include "addressbook/win32/AddressBookProviders.h"
#include "session/SessionLists.h"

void PickAndImportAddresses(const AddressBookProviders& providers, HWND host, SessionLists& lists,
                            ImportStatistics& statistics);
