// The picked list of both recipient pickers: the Delete key removes every selected entry.
#pragma once

#include <functional>
#include <span>
#include <windows.h>

class RecipientListBox {
  public:
    // Decides whether the selected entries (ascending positions) go; false leaves them.
    using DeleteRule = std::function<bool(std::span<const int>)>;

    void Bind(HWND list, DeleteRule rule);
    HWND Handle() const { return list_; }

    // The answer to WM_VKEYTOITEM: -2 when Delete removed the selection, else -1 (the list
    // box's own action).
    int AnswerVirtualKey(int key);
    // Removes the selected entries as the Delete key does; false when nothing was selected.
    bool DeleteSelected();

  private:
    HWND list_ = nullptr;
    DeleteRule rule_;
};
