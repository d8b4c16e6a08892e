#pragma once

#include "platform/prompter.h"

#include <QPoint>
#include <QSize>

class QWidget;

namespace bw {

// Where a dialog of this size stands centred over the window, placed or already shown.
QPoint CentredOver(const QWidget* window, QSize size);

// Modal message boxes and file dialogs with the program's German captions.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowInfo(const QString& text) override;
    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    YesNoCancel AskYesNoCancel(const QString& text) override;
    bool AskWarningYesNo(const QString& text) override;
    QString GetOpenFileName(const QString& title, const QString& folder, const QString& filter,
                            const QString& defaultExt) override;
    QString GetSaveFileName(const QString& title, const QString& folder, const QString& fileName,
                            const QString& filter, const QString& defaultExt) override;
    QString GetFolder(const QString& title, const QString& folder) override;

private:
    QWidget* parent_;
};

} // namespace bw
