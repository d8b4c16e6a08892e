#pragma once

#include "document/document.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace bw {

// The objects of single-question and multiple-choice documents are generated from their
// content. With rebuild the generator deletes the objects it owns and makes them anew (after
// the content changed, a new base image, and for multiple choice at every load); without it
// only resets them: outside an exercise the answers are covered again. Each does nothing for
// another document type. currentQuestion is set to 1 when it lies outside
// 1..AnzFrageNummern, and to -1 when there are no questions. The caller renumbers after a
// rebuild.
void BuildQuestionObjects(Document& doc, bool rebuild, bool exerciseRunning, int& currentQuestion);
void BuildChoiceObjects(Document& doc, bool rebuild, bool exerciseRunning, int& currentQuestion);

// One line of a single-question text: question and answer, split at the first "//".
struct SingleQuestionLine {
    QString question;
    QString answer; // "---" for a line without "//"
};
SingleQuestionLine SplitQuestionLine(const QString& line);

// A multiple-choice question as its editor stores it in Cap: the question text and the answer
// lines, each beginning with "+" (applies) or "-" (does not). At most 12 lines; a question
// without answer lines has the one applicable answer "+ Antwort".
struct ChoiceQuestionContent {
    QString question;
    QStringList answers;
};
ChoiceQuestionContent ParseChoiceQuestion(const QString& cap);
QString EncodeChoiceQuestion(const QString& question, const QStringList& answerLines);

// Font size step of a multiple-choice question text of this many characters.
int ChoiceQuestionFsize(int length);

// The picture of a ticked or an empty answer box.
const QImage& AnswerBoxPicture(bool ticked);

} // namespace bw
