// The name of a CSV row's candidates.
#pragma once

#include "csv/CsvCandidate.h"
#include "csv/CsvColumns.h"

#include <span>

// The name column's field when there is one; otherwise the first non-empty of the whole name,
// the name composed from its parts and the company. Trimmed, bracket-free and cut at a character
// boundary to fit; empty when the row has none of these fields. May change the row's fields.
void CopyRowName(const CsvColumns& columns, std::span<char* const> rowFields,
                 char (&name)[kCandidateFieldSize]);

// Trimmed, bracket-free and cut at a character boundary to fit. Changes `text` in place.
void CopyName(char* text, char (&name)[kCandidateFieldSize]);
