#pragma once

#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QTimer>

namespace bw::test {

// The push button in parent with exactly this caption, or null.
inline QPushButton* FindButton(QWidget* parent, const QString& caption) {
    for (QPushButton* b : parent->findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

// Runs f on the dialog once it is shown, then presses the button with the caption (or
// rejects the dialog when there is none, so a test never hangs in a modal loop).
template <typename F> void OnDialog(QDialog* d, F f, const QString& button) {
    QTimer::singleShot(0, d, [d, f, button] {
        f();
        if (QPushButton* b = FindButton(d, button))
            b->click();
        else
            d->reject();
    });
}

} // namespace bw::test
