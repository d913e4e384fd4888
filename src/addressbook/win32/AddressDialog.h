// The provider's own address dialog, in which the user picks the entries to import.
#pragma once

#include "addressbook/win32/ProviderRows.h"

#include <memory>

// The picked list (which may hold no entry), or null when the dialog was cancelled or failed or
// returned nothing. The dialog is owned by `host`, which may be null.
std::unique_ptr<ProviderRows> PickAddresses(const AddressBookProviders& providers, HWND host);
