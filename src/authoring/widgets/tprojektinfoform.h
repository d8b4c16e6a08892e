#pragma once

#include "document/headerdata.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace bw {

// "Dokumenteigenschaften": file facts, the document type, title, author, remark,
// numbering and ordering. Editable only in the authoring edition.
class TProjektInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TProjektInfoForm(QWidget* parent = nullptr);

    void Fill(const HeaderDataTyp& header, bool editable);
    QString Titel() const;
    QString Autor() const;
    QString Bemerkung() const;
    int NumArt() const;
    int GeordnetArt() const;

signals:
    // "&Seitenverhältnis..." was pressed (the page ratio dialog, applied at once).
    void pageRatioAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel *datei_, *ordner_, *groesse_, *geaendert_;
    QComboBox *dokTyp_, *numArt_, *geordnet_;
    QLineEdit *titel_, *autor_;
    QPlainTextEdit* bemerkung_;
    QList<QWidget*> editors_;
};

} // namespace bw
