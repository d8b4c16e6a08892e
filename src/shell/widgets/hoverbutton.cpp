#include "shell/widgets/hoverbutton.h"

namespace bw {

namespace {
const char* const kHoverProperty = "bwHover";
}

void StyleHoverButton(QAbstractButton* button) {
    button->setProperty(kHoverProperty, true);
    button->setAttribute(Qt::WA_Hover, true);
    if (auto* tb = qobject_cast<QToolButton*>(button))
        tb->setAutoRaise(false);
}

void InstallHoverButtonStyle(QWidget* container) {
    // Border RGB(162,162,154), normal RGB(236,236,232), checked white, hover RGB(254,254,248),
    // font RGB(81,81,78), checked font black and not bold.
    container->setStyleSheet(QStringLiteral(
        "QToolButton[bwHover=\"true\"], QPushButton[bwHover=\"true\"] {"
        " border: 1px solid rgb(162,162,154); background-color: rgb(236,236,232);"
        " color: rgb(81,81,78); font-weight: normal; padding: 1px; }"
        "QToolButton[bwHover=\"true\"]:hover, QPushButton[bwHover=\"true\"]:hover {"
        " background-color: rgb(254,254,248); }"
        "QToolButton[bwHover=\"true\"]:checked, QPushButton[bwHover=\"true\"]:checked {"
        " background-color: white; color: black; font-weight: normal; }"
        "QToolButton[bwHover=\"true\"]:disabled, QPushButton[bwHover=\"true\"]:disabled {"
        " color: rgb(170,170,166); }"));
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

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    w->setPalette(pal);
}

} // namespace bw
