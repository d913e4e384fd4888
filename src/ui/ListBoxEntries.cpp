#include "ui/ListBoxEntries.h"

#include <new>

namespace ui {

bool AppendEntry(HWND list, const char* text, LPARAM data) {
    const LRESULT position = ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (position < 0) // LB_ERR or LB_ERRSPACE
        return false;
    if (::SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(position), data) == LB_ERR) {
        ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(position), 0);
        return false;
    }
    return true;
}

void AppendEntryOrThrow(HWND list, const char* text, LPARAM data) {
    if (!AppendEntry(list, text, data))
        throw std::bad_alloc();
}

int EntryData(HWND list, int position) {
    const LRESULT data = ::SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(position), 0);
    return data == LB_ERR ? -1 : static_cast<int>(data);
}

RedrawPaused::RedrawPaused(HWND list) : list_(list) {
    ::SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
}

RedrawPaused::~RedrawPaused() {
    ::SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

} // namespace ui
