#include <windows.h>

#include "window/place/taskbar.h"

#include "window/frame/timer.h"
#include "window/state.h"

// The frame is worked out again for the new style, as the system asks after every change.
static void setExtendedStyle(HWND window, LONG exStyle) {
    SetWindowLongW(window, GWL_EXSTYLE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// A tool window has no taskbar button and is not in Alt+Tab: minimised without an icon it
// gets a button, from which it can be restored. The taskbar reads the style when a window
// is shown, so the window is hidden while the style changes.
void minimizeToTaskbar(HWND window) {
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_TOOLWINDOW) {
        ShowWindow(window, SW_HIDE);
        setExtendedStyle(window, (exStyle & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW);
    }
    ShowWindow(window, SW_SHOWMINNOACTIVE);
}

void dropTaskbarButton(HWND window) {
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_APPWINDOW) || IsIconic(window))
        return;
    ShowWindow(window, SW_HIDE);
    setExtendedStyle(window, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    ShowWindow(window, SW_SHOW);
    // Put back in its band's front explicitly: a window shown again after a style change is
    // not always restacked above the windows shown meanwhile (seen under Wine).
    SetWindowPos(window, magnifier.settings.isTop ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    redrawFrame(window);
}
