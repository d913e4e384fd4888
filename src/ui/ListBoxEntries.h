// List-box entries that always carry what they stand for: every add and its item data are
// checked, so a list box that runs out of room never shows an entry that maps to nothing.
#pragma once

#include <windows.h>

namespace ui {

// Appends `text` with `data` as its item data. False, with nothing added, when the list box
// cannot take the entry.
bool AppendEntry(HWND list, const char* text, LPARAM data);
// As AppendEntry, but a list box that cannot take the entry throws std::bad_alloc, which ends
// the dialog as any other shortage of memory does.
void AppendEntryOrThrow(HWND list, const char* text, LPARAM data = 0);
// The item data of the entry at `position`, or -1.
int EntryData(HWND list, int position);

// Stops a list box from drawing while many entries change; it draws once when this ends.
class RedrawPaused {
  public:
    explicit RedrawPaused(HWND list);
    ~RedrawPaused();
    RedrawPaused(const RedrawPaused&) = delete;
    RedrawPaused& operator=(const RedrawPaused&) = delete;

  private:
    HWND list_;
};

} // namespace ui
