#pragma once

#include <QDialog>

class QLabel;

namespace bw {

// About box ("Info").
class TInfoBox : public QDialog {
    Q_OBJECT
public:
    TInfoBox(const QString& applicationTitle, QWidget* parent = nullptr);
    QString TitleText() const;
    QString VersionText() const;

private:
    QLabel* titleLabel_;
    QLabel* versionLabel_;
};

// Small non-modal notice ("Information") that long operations show while they run.
class TMeldForm : public QDialog {
    Q_OBJECT
public:
    explicit TMeldForm(QWidget* parent = nullptr);
    void ShowNotice(const QString& text);
    void HideNotice();
    QString Text() const;

private:
    QLabel* label_;
};

// The base edition's quit window ("Beenden").
class TEndeInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TEndeInfoForm(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace bw
