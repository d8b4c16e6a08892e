#pragma once

#include <QMargins>
#include <QRect>

namespace bw {

// The main window's outer size as designed, frame included (also what Shift+Alt+G sets).
inline constexpr QSize kDesignedWindowSize(1076, 780);

// What the window manager's frame is assumed to add while the window is not yet shown.
inline constexpr QMargins kFrameAllowance(8, 40, 8, 8);

struct WindowPlacement {
    QRect frame;            // outer rectangle, frame included
    bool maximised = false; // the designed size does not fit the work area
};

// At start: the designed size centred on the work area; where it does not fit, the work
// area itself, maximised, so that no part of the window is off-screen.
WindowPlacement StartPlacement(QRect workArea, QSize designed);

// The outer rectangle moved and, where it must be, shrunk into the work area.
QRect FitIntoWorkArea(QRect frame, QRect workArea);

// The client rectangle inside an outer rectangle with this frame.
QRect ClientRect(QRect frame, QMargins margins);

} // namespace bw
