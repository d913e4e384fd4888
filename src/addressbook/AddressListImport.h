// Fax recipients from the entries picked in the address dialog: mail users are read, distribution
// lists are walked depth first, each at most once, and every usable fax number is offered.
#pragma once

#include "addressbook/AddressBook.h"
#include "session/SessionLists.h"

// `picked` holds one row per picked entry. Sets `count` to 0 first, then fills `recipients` and
// adds to the three statistics.
void ImportAddressList(AddressBook& book, const PropertyRows& picked, SessionLists& lists,
                       ImportStatistics& statistics);
