// The child window: its class, creation through the MDI client, and its
// window procedure (a thin switch; each message has its own handler).
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// Private messages of the child window.
inline constexpr UINT kRepaintRequest = 1526;          // repaint the whole window at once
inline constexpr UINT kUpdateScrollBars = WM_APP + 1;  // recompute the scroll bars (GUI thread)
inline constexpr UINT kUpdateCaret = WM_APP + 2;       // remake or move the caret (GUI thread)
inline constexpr UINT kApplyShape = WM_APP + 3;        // show and fit the window after configuring
inline constexpr UINT kFlushScreen =
    WM_APP + 4;  // let drawing from another thread reach the display
// The timer that paces those flushes while drawing goes on, and its period
// (about one display frame).
inline constexpr UINT_PTR kFlushTimer = 1;
inline constexpr UINT kFlushIntervalMs = 16;

bool register_child_class();
std::string child_class_name();

// Creates a child window (hidden until configured) for window `number`;
// runs on the GUI thread whichever thread calls.
HWND create_child_window(const std::string& title, int number);

// Destroys the child through the MDI client.
void destroy_child_window(HWND hwnd);

}  // namespace shell
