#include "shell/widgets/actionbutton.h"

#include <QAbstractButton>
#include <QAction>

namespace bw {

void BindButtonToAction(QAbstractButton* button, QAction* action) {
    auto sync = [button, action] {
        button->setCheckable(action->isCheckable());
        button->setChecked(action->isChecked());
        button->setEnabled(action->isEnabled());
    };
    sync();
    // A checkable button flips itself before clicked; the action decides what it shows.
    QObject::connect(button, &QAbstractButton::clicked, action, [action, sync] {
        action->trigger();
        sync();
    });
    QObject::connect(action, &QAction::changed, button, sync);
    QObject::connect(action, &QAction::toggled, button, sync);
}

} // namespace bw
