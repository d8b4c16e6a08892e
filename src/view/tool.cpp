#include "view/tool.h"

#include <QAction>
#include <QActionGroup>

namespace bw {

ToolManager::ToolManager(QObject* parent) : QObject(parent), group_(new QActionGroup(this)) {
    group_->setExclusive(true);
}

ToolManager::~ToolManager() = default;

QAction* ToolManager::addTool(Tool* tool) {
    tool->setParent(this);
    auto* a = new QAction(tool->name(), group_);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, tool] { selectTool(tool); });
    tools_.push_back({tool, a});
    if (!current_) {
        current_ = tool;
        a->setChecked(true);
    }
    return a;
}

QAction* ToolManager::action(const Tool* tool) const {
    for (const Entry& e : tools_)
        if (e.tool == tool) return e.action;
    return nullptr;
}

void ToolManager::selectTool(Tool* tool) {
    QAction* a = action(tool);
    if (!a) return;
    if (tool != current_ && !tool->mayBecomeCurrent()) {
        if (QAction* c = action(current_)) c->setChecked(true);
        return;
    }
    a->setChecked(true);
    if (tool == current_) return;
    if (current_ && context_) current_->deactivate(*context_);
    current_ = tool;
    if (context_) current_->activate(*context_);
    emit currentToolChanged(tool);
}

void ToolManager::setContext(ToolContext* context) {
    context_ = context;
}

} // namespace bw
