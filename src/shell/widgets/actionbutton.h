#pragma once

class QAbstractButton;
class QAction;

namespace bw {

// Makes a toolbar button a second face of a menu action: a click triggers the action, and the
// action's checked and enabled states show on the button. The button keeps its own caption,
// picture and hint, which differ from the menu entry's.
void BindButtonToAction(QAbstractButton* button, QAction* action);

} // namespace bw
