// The modeless notice shown during a lengthy step; it lives as long as the object.
#pragma once

#include <windows.h>

class ProgressDialog {
  public:
    ProgressDialog();
    ~ProgressDialog();
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

  private:
    HWND window_;
};
