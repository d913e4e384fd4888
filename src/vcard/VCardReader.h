// The candidates of a vCard file, for the CSV import's picker.
#pragma once

#include "csv/CsvCandidateTable.h"
#include "platform/Files.h"

#include <cstdint>

// Reads every card of `content` (as ReadWholeFile gives it; decoded where it lies) into `table`
// and counts the cards without a fax number in `excludedCards`. A card inside another (2.1's
// AGENT) belongs to its holder's agent: it gives nothing and is not counted. Returns 1, -5 when
// no card has a fax number, -6 when a card is still open at the end, -3 when memory runs out.
int ReadVCardCandidates(platform::FileBytes& content, CsvCandidateTable& table,
                        int32_t& excludedCards);
