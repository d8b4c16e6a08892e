#pragma once

#include <QLocale>
#include <QString>
#include <vector>

namespace bw {

// One entry of the topic list.
struct ThemenDataTyp {
    QString Titel;
    QString Pfad;              // full path of the file
    QString Sortierschluessel; // the file name in lower case
};

// The topic documents of a folder: every "*.bwk" file (any letter case, hidden ones too)
// whose header can be read, sorted by lower-case file name compared case-insensitively in
// the locale; of equal keys the one listed first stays first.
std::vector<ThemenDataTyp> ReadTopicList(const QString& folder, const QLocale& locale = {});

// Index of the entry whose file is path, or -1.
int FindTopic(const std::vector<ThemenDataTyp>& list, const QString& path);

// Whether two paths name the same file as the topic list sees it.
bool SameDocumentPath(const QString& a, const QString& b);

// The title as the list shows it: on one line, the file name when the title is blank.
QString TopicTitle(const ThemenDataTyp& entry);

// Menu caption "&1:  Titel" for the first nine (digit accelerators), "10:  Titel" from the
// tenth on; a blank title is replaced by the file name. '&' in the title is shown as is.
QString TopicMenuCaption(int index, const ThemenDataTyp& entry);

// The index whose entry starts the second menu column, or -1 for 30 topics or fewer.
int TopicMenuColumnBreak(int count);

// The topic list's entries stand in the menu after nine fixed entries.
constexpr int kTopicMenuColumnLimit = 30;

} // namespace bw
