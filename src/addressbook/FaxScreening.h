// Turning one mail user's display name and fax numbers into recipients.
#pragma once

#include "addressbook/AddressBook.h"
#include "session/SessionLists.h"

enum class OfferResult { Refused = 0, Added = 1, LimitReached = 2 };

// Cleans the number and the name in place (both zero-terminated) and appends "name [number]" to
// `recipients` unless the number is empty, the text is already there or the limit is reached.
OfferResult OfferRecipient(char* name, char* faxNumber, SessionLists& lists);

// Screens the values read with the mail-user tags and offers each usable fax number.
void ScreenFaxEntry(std::span<const PropValue> values, SessionLists& lists,
                    ImportStatistics& statistics);
