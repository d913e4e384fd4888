#include "DialogLayout.h"

#include <algorithm>

namespace e2e {
namespace {

struct Control {
    HWND window;
    std::string name; // for the problems' descriptions
    std::wstring className;
    std::wstring text;
    LONG style;
    RECT area; // in the dialog's client coordinates
};

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                          nullptr, nullptr);
    return utf8;
}

std::wstring Text(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

bool IsClass(const Control& control, const wchar_t* name) {
    return ::lstrcmpiW(control.className.c_str(), name) == 0;
}

LONG ButtonType(const Control& control) {
    return control.style & BS_TYPEMASK;
}

bool IsGroupBox(const Control& control) {
    return IsClass(control, L"Button") && ButtonType(control) == BS_GROUPBOX;
}

std::string Describe(RECT area) {
    return "(" + std::to_string(area.left) + "," + std::to_string(area.top) + ")-(" +
           std::to_string(area.right) + "," + std::to_string(area.bottom) + ")";
}

// The dialog's visible controls (not the parts of combo boxes and the like).
std::vector<Control> VisibleControls(HWND dialog) {
    std::vector<Control> controls;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child))
            continue;
        Control control{
            child, {}, ClassName(child), Text(child), ::GetWindowLongW(child, GWL_STYLE), {}};
        ::GetWindowRect(child, &control.area);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control.area), 2);
        control.name = Utf8(control.className) + " " + std::to_string(::GetDlgCtrlID(child));
        if (!control.text.empty())
            control.name += " \"" + Utf8(control.text) + "\"";
        controls.push_back(std::move(control));
    }
    return controls;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class MeasuringContext {
  public:
    explicit MeasuringContext(HFONT font)
        : dc_(::GetDC(nullptr)), previous_(::SelectObject(dc_, font)) {}
    ~MeasuringContext() {
        ::SelectObject(dc_, previous_);
        ::ReleaseDC(nullptr, dc_);
    }
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;

    // The size the text takes when drawn with these DrawText flags into `width` pixels.
    SIZE Measure(const std::wstring& text, UINT flags, LONG width) const {
        RECT area{0, 0, width, 0};
        ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &area, flags | DT_CALCRECT);
        return {area.right - area.left, area.bottom - area.top};
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The room a control gives its text, and how the control draws it; false for controls whose
// text is data (edits, lists) or that show no text.
bool TextRoom(const Control& control, UINT dpi, SIZE& room, UINT& flags) {
    const LONG width = control.area.right - control.area.left;
    const LONG height = control.area.bottom - control.area.top;
    const UINT prefix =
        (IsClass(control, L"Static") && (control.style & SS_NOPREFIX)) ? DT_NOPREFIX : 0;
    if (IsClass(control, L"Static")) {
        const LONG type = control.style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE &&
            type != SS_LEFTNOWORDWRAP)
            return false;
        const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
        flags = DT_EXPANDTABS | prefix | (wraps ? DT_WORDBREAK : 0);
        room = {width, height};
        return true;
    }
    if (!IsClass(control, L"Button"))
        return false;
    const int edge = ::GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    switch (ButtonType(control)) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        flags = DT_SINGLELINE;
        room = {width - 4 * edge, height - 2 * edge};
        return true;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        // The box and the gap after it.
        flags = DT_SINGLELINE;
        room = {width - ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) - edge, height};
        return true;
    case BS_GROUPBOX:
        // The caption is inset from both sides of the frame.
        flags = DT_SINGLELINE;
        room = {width - 8 * edge, height};
        return true;
    default:
        return false;
    }
}

} // namespace

std::vector<std::string> LayoutProblems(HWND dialog, HFONT font, UINT dpi) {
    std::vector<std::string> problems;
    RECT window{};
    ::GetWindowRect(dialog, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    if (!Contains(monitor.rcWork, window))
        problems.push_back("the dialog " + Describe(window) + " leaves the screen's work area " +
                           Describe(monitor.rcWork));

    RECT client{};
    ::GetClientRect(dialog, &client);
    const std::vector<Control> controls = VisibleControls(dialog);
    if (controls.empty())
        problems.push_back("no visible control");
    for (const Control& control : controls)
        if (!Contains(client, control.area))
            problems.push_back(control.name + " " + Describe(control.area) +
                               " leaves the client area " + Describe(client));

    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Control& a = controls[i];
            const Control& b = controls[j];
            RECT common{};
            if (!::IntersectRect(&common, &a.area, &b.area))
                continue;
            // A group box frames the controls that lie wholly inside it.
            if ((IsGroupBox(a) && !IsGroupBox(b) && Contains(a.area, b.area)) ||
                (IsGroupBox(b) && !IsGroupBox(a) && Contains(b.area, a.area)))
                continue;
            problems.push_back(a.name + " " + Describe(a.area) + " overlaps " + b.name + " " +
                               Describe(b.area));
        }
    }

    MeasuringContext measuring(font);
    for (const Control& control : controls) {
        SIZE room{};
        UINT flags = 0;
        if (control.text.empty() || !TextRoom(control, dpi, room, flags))
            continue;
        const SIZE needed = measuring.Measure(control.text, flags, room.cx);
        if (needed.cx > room.cx || needed.cy > room.cy)
            problems.push_back(control.name + " needs " + std::to_string(needed.cx) + "x" +
                               std::to_string(needed.cy) + " pixels for its text, has " +
                               std::to_string(room.cx) + "x" + std::to_string(room.cy));
    }
    return problems;
}

} // namespace e2e
