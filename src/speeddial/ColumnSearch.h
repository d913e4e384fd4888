// Finding the fax-number column and the check column by their titles in the unsplit
// column-title line of a version 1 to 6 file. A column is the number of commas from the line's
// start up to and including the comma that opens the title; -1 when not found.
#pragma once

// The first MFFAX with a comma on each side.
int FindFaxColumn(const char* titleLine);

// The first comma followed by MFENCSTR; it counts only when a comma or the line's end follows
// the title. A later exact title after an inexact first one is not looked for.
int FindEncodedColumn(const char* titleLine);
