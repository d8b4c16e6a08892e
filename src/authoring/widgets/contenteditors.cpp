#include "authoring/widgets/contenteditors.h"

#include "authoring/content.h"
#include "authoring/widgets/texteditforms.h"
#include "authoring/widgets/tmultiplechoiceeditform.h"
#include "document/documenteditor.h"

namespace bw {

ContentEditors::ContentEditors(QWidget* window, DocumentEditor& editor)
    : QObject(window), ed_(editor), cloze_(new TLueckEditForm(window)),
      questions_(new TFragenEditForm(window)), choice_(new TMultipleChoiceEditForm(window)) {
    for (ContentTextForm* f :
         {static_cast<ContentTextForm*>(cloze_), static_cast<ContentTextForm*>(questions_)})
        connect(f, &ContentTextForm::editorFontRequested, this,
                &ContentEditors::editorFontRequested);
    connect(choice_, &TMultipleChoiceEditForm::editorFontRequested, this,
            &ContentEditors::editorFontRequested);
}

bool ContentEditors::Edit(int dokTyp) {
    const HeaderDataTyp& h = ed_.document().CurrentHeader;
    switch (dokTyp) {
    case 1:
        cloze_->SetText(h.lueckentext);
        if (cloze_->exec() != QDialog::Accepted) return false;
        StoreClozeText(ed_, cloze_->Text());
        break;
    case 2:
        questions_->SetText(h.fragentext);
        if (questions_->exec() != QDialog::Accepted) return false;
        StoreQuestionText(ed_, questions_->Text());
        break;
    case 3: {
        choice_->Load(LoadChoiceQuestions(ed_.document()));
        if (choice_->exec() != QDialog::Accepted) return false;
        std::vector<ChoiceQuestion> questions = choice_->Questions();
        StoreChoiceQuestions(ed_, questions);
        break;
    }
    default:
        return false;
    }
    emit contentStored(dokTyp);
    return true;
}

void ContentEditors::SetEditorFont(const QFont& font) {
    cloze_->SetEditorFont(font);
    questions_->SetEditorFont(font);
    choice_->SetEditorFont(font);
}

} // namespace bw
