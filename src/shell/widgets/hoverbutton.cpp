#include "shell/widgets/hoverbutton.h"

namespace bw {

void StyleHoverButton(QAbstractButton* button) {
    // Border RGB(162,162,154), normal RGB(236,236,232), checked white, hover RGB(254,254,248),
    // font RGB(81,81,78), checked font black and not bold.
    button->setStyleSheet(QStringLiteral(
        "QToolButton, QPushButton { border: 1px solid rgb(162,162,154);"
        " background-color: rgb(236,236,232); color: rgb(81,81,78); font-weight: normal;"
        " padding: 1px; }"
        "QToolButton:hover, QPushButton:hover { background-color: rgb(254,254,248); }"
        "QToolButton:checked, QPushButton:checked { background-color: white; color: black;"
        " font-weight: normal; }"
        "QToolButton:disabled, QPushButton:disabled { color: rgb(170,170,166); }"));
    button->setAttribute(Qt::WA_Hover, true);
    if (auto* tb = qobject_cast<QToolButton*>(button))
        tb->setAutoRaise(false);
}

QToolButton* MakeHoverButton(QWidget* parent, const QString& objectName, const QString& caption,
                             const QString& hint, bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setText(caption);
    b->setToolTip(hint);
    b->setCheckable(checkable);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::NoFocus);
    StyleHoverButton(b);
    return b;
}

} // namespace bw
