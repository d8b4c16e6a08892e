#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace bw {

// "Vorschaubilder generieren": the height of the preview pictures and whether they are made
// of the current document or of every document of its folder. Keeps its choice for the run.
class TVorschaubilderForm : public QDialog {
    Q_OBJECT
public:
    explicit TVorschaubilderForm(QWidget* parent = nullptr);
    int Height() const;
    bool AllDocuments() const;

    QSpinBox* HoeheEdit;
    QRadioButton *AktDokRadio, *AlleDokRadio;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* ok_;
};

} // namespace bw
