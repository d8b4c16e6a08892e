#pragma once

#include <QString>
#include <QStringList>

namespace bw {

// The question about the chronicle screenshots stored in this run; empty when none.
QString ChronicleQuestionText(int count, const QString& folder);

// The text of the title label: "(n) " from the topic list or a blank, then the title,
// "(ohne Titel)" for an empty one, or "?" while the title is hidden.
QString TitleLabelText(int selectedTopic, const QString& titel, bool titleShown);

// The window caption: application title, and " - " with the file name when there is one.
QString WindowCaption(const QString& applicationTitle, const QString& datei);

} // namespace bw
