#include "shell/windowplacement.h"

#include <algorithm>

namespace bw {

WindowPlacement StartPlacement(QRect workArea, QSize designed) {
    if (designed.width() > workArea.width() || designed.height() > workArea.height())
        return {workArea, true};
    QRect r(QPoint(), designed);
    r.moveCenter(workArea.center());
    return {FitIntoWorkArea(r, workArea), false};
}

QRect FitIntoWorkArea(QRect frame, QRect workArea) {
    frame.setWidth(std::min(frame.width(), workArea.width()));
    frame.setHeight(std::min(frame.height(), workArea.height()));
    frame.moveLeft(std::clamp(frame.left(), workArea.left(), workArea.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), workArea.top(), workArea.bottom() + 1 - frame.height()));
    return frame;
}

QRect ClientRect(QRect frame, QMargins margins) {
    return frame.marginsRemoved(margins);
}

} // namespace bw
