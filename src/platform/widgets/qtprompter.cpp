#include "platform/widgets/qtprompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace bw {

namespace {

// The texts carry Windows line breaks; Qt labels want plain "\n".
QString ForLabel(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// Centred over the window even before it is shown: the start-up messages come while the
// window is placed but not yet on screen, and Qt would then put them at a fixed place.
class MessageBox : public QMessageBox {
public:
    MessageBox(Icon icon, const QString& caption, const QString& text, QWidget* parent)
        : QMessageBox(icon, caption, ForLabel(text), QMessageBox::NoButton, parent) {}

protected:
    void showEvent(QShowEvent* e) override {
        QMessageBox::showEvent(e); // settles the box's size
        if (QWidget* w = parentWidget()) move(CentredOver(w->window(), size()));
    }
};

} // namespace

QPoint CentredOver(const QWidget* window, QSize size) {
    const QRect r = window->isVisible() ? window->frameGeometry() : window->geometry();
    QPoint p = r.center() - QPoint(size.width() / 2, size.height() / 2);
    // Kept on the window's screen when the window is larger than it or half off it.
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        p.setX(
            std::clamp(p.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        p.setY(
            std::clamp(p.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    return p;
}

namespace {

void Simple(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    MessageBox box(icon, caption, text, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool YesNo(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    MessageBox box(icon, caption, text, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

void QtPrompter::ShowInfo(const QString& text) {
    Simple(parent_, QMessageBox::Information, QStringLiteral("Information"), text);
}

void QtPrompter::ShowWarning(const QString& text) {
    Simple(parent_, QMessageBox::Warning, QStringLiteral("Warnung"), text);
}

void QtPrompter::ShowError(const QString& text) {
    Simple(parent_, QMessageBox::Critical, QStringLiteral("Fehler"), text);
}

bool QtPrompter::AskYesNo(const QString& text) {
    return YesNo(parent_, QMessageBox::Question, QStringLiteral("Bestätigung"), text);
}

YesNoCancel QtPrompter::AskYesNoCancel(const QString& text) {
    MessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), text, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return YesNoCancel::Yes;
    if (box.clickedButton() == no)
        return YesNoCancel::No;
    return YesNoCancel::Cancel;
}

bool QtPrompter::AskWarningYesNo(const QString& text) {
    return YesNo(parent_, QMessageBox::Warning, QStringLiteral("Warnung"), text);
}

QString QtPrompter::GetOpenFileName(const QString& title, const QString& folder,
                                    const QString& filter, const QString& defaultExt) {
    QFileDialog dlg(parent_, title, folder, QtFilterFromPipeFilter(filter));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(defaultExt);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString QtPrompter::GetSaveFileName(const QString& title, const QString& folder,
                                    const QString& fileName, const QString& filter,
                                    const QString& defaultExt) {
    QFileDialog dlg(parent_, title, folder, QtFilterFromPipeFilter(filter));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(defaultExt);
    if (!fileName.isEmpty())
        dlg.selectFile(fileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString QtPrompter::GetFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent_, title, folder);
}

} // namespace bw
