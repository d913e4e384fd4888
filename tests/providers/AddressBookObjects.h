// The fixture's address book as COM objects: IAddrBook with OpenEntry, CompareEntryIDs and an
// address dialog that answers from the fixture without a window; IMailUser, IDistList and the
// lists' IMAPITable.
#pragma once

#include <mapix.h>

namespace testprovider {

// A new address book with one reference.
IAddrBook* NewAddressBook();

} // namespace testprovider
