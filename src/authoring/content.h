#pragma once

#include "document/document.h"

#include <QImage>
#include <QString>
#include <array>
#include <vector>

namespace bw {

class DocumentEditor;

// ---- text commands of the cloze and single-question editors ----

// "<< ... >> setzen": the replacement for the selected text. Blanks at either end and a
// closing punctuation mark stay outside the gap.
QString GapFromSelection(const QString& selected);
// "<< ... >> entfernen": the selection without any gap marks.
QString WithoutGapMarks(const QString& selected);
// The counter of the single-question editor: "1 Frage", "3 Fragen", "0 Fragen".
QString QuestionCountText(const QString& text);
// What leaving the answer field makes of it: a line that begins with neither "+" nor "-"
// becomes "+ " and its trimmed text; empty lines stay.
QString SignedAnswerLines(const QString& text);

// ---- the multiple-choice working copy ----

struct ChoiceQuestion {
    QString question;
    QString answer;
    QImage picture; // null: no question picture
    int kind = 0;   // 0 text answers, 1 picture answers
    int pictureCount = 0;
    std::array<bool, kMaxAnswerPictures> applies{};
    std::array<QImage, kMaxAnswerPictures> pictures;

    ChoiceQuestion() { applies.fill(true); }
};

// The question objects (Typ 20 and 21) of doc as working copies, in document order.
std::vector<ChoiceQuestion> LoadChoiceQuestions(const Document& doc);
// One stored question object per working copy, numbered in list order. Picture answers get
// their "+ Bild"/"- Bild" lines, which also replace the copy's answer text.
std::vector<ObjDataTyp> ChoiceQuestionObjects(std::vector<ChoiceQuestion>& questions);
// "Duplizieren": the copy of source that the list gets at its end.
ChoiceQuestion DuplicateChoiceQuestion(const ChoiceQuestion& source);

// ---- confirmed edits (each one undo step; the caller rebuilds the generated objects) ----

// A cloze text: DokTyp 1, the text trimmed, question texts and generated objects gone.
void StoreClozeText(DocumentEditor& editor, const QString& text);
// Single questions: DokTyp 2, the text exactly as typed, cloze text and generated objects gone.
void StoreQuestionText(DocumentEditor& editor, const QString& text);
// Multiple-choice questions: DokTyp 3, both texts empty, the question objects replaced.
void StoreChoiceQuestions(DocumentEditor& editor, std::vector<ChoiceQuestion>& questions);

} // namespace bw
