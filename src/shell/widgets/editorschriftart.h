#pragma once

#include "shell/settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace bw {

// "Editor-Schriftart": the font of the content editors' text fields.
class TEditorSchriftartForm : public QDialog {
    Q_OBJECT
public:
    explicit TEditorSchriftartForm(QWidget* parent = nullptr);

    // Selects the stored values; a font or size outside the offered ones is added.
    void SetValues(const EditorSchriftartDataTyp& f);
    EditorSchriftartDataTyp Values() const;

    // Shows the dialog with the settings' font; "OK" stores the choice into s and returns
    // true (the caller applies it to the editors), "Abbrechen" changes nothing.
    bool Execute(Settings& s);

    QComboBox* fontCombo() const { return fontCombo_; }
    QComboBox* sizeCombo() const { return sizeCombo_; }
    QCheckBox* fettCheck() const { return fettCheck_; }

private:
    QComboBox* fontCombo_;
    QComboBox* sizeCombo_;
    QCheckBox* fettCheck_;
};

} // namespace bw
