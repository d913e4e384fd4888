#include "ui/RecipientListBox.h"

#include "platform/MemoryShortage.h"
#include "ui/ListBoxEntries.h"

#include <vector>

void RecipientListBox::Bind(HWND list, DeleteRule rule) {
    list_ = list;
    rule_ = std::move(rule);
}

int RecipientListBox::AnswerVirtualKey(int key) {
    if (key != VK_DELETE)
        return -1;
    return DeleteSelected() ? -2 : -1;
}

bool RecipientListBox::DeleteSelected() {
    const LRESULT count = ::SendMessageA(list_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return false;
    std::vector<int> selected;
    // Without memory for the positions nothing is deleted, and nothing is said.
    if (!CompletedWithMemory([&] { selected.resize(static_cast<std::size_t>(count)); }))
        return false;
    const LRESULT got = ::SendMessageA(list_, LB_GETSELITEMS, selected.size(),
                                       reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    if (selected.empty() || !rule_(selected))
        return false;
    // From the highest position down, so the lower positions stay valid; drawn once at the end.
    const ui::RedrawPaused quiet(list_);
    for (auto position = selected.rbegin(); position != selected.rend(); ++position)
        ::SendMessageA(list_, LB_DELETESTRING, *position, 0);
    return true;
}
