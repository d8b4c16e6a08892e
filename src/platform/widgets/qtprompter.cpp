#include "platform/widgets/qtprompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace bw {

namespace {

// The texts carry Windows line breaks; Qt labels want plain "\n".
QString ForLabel(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void Simple(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, ForLabel(text), QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool YesNo(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, ForLabel(text), QMessageBox::NoButton, parent);
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
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), ForLabel(text),
                    QMessageBox::NoButton, parent_);
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
