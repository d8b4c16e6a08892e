#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace bw {

class Document;
class LearnView;

// What a tool window shown beside the main window should leave uncovered, in screen
// coordinates.
struct ToolWindowRoom {
    QRect screen;    // the screen's available area
    QRect mainFrame; // the main window with its frame
    QRect view;      // the picture control, left of the side toolbar and its button
    QRect picture;   // the part of the picture the view shows
    int top = 0;     // the preferred top edge
};

// Where a tool window of the given frame size goes: beside the main window where the screen
// has room (right, then left); else over the picture control, at its right or left edge,
// whichever covers less of the picture (the right one when equal), so that the side toolbar
// stays free. It stays on the screen.
QPoint ToolWindowPlace(const ToolWindowRoom& room, QSize size);

// The base image as the view shows it, in view-bitmap pixels; empty without a page.
QRect BaseImageInView(const Document& doc, const LearnView& view);

} // namespace bw
