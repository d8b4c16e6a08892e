#pragma once

#include "exercise/bestlist.h"

#include <QString>

namespace bw {

// How often and how long a shared best list is tried before giving up.
struct BestListRetry {
    int attempts = 5;
    int pauseMs = 100;    // between attempts
    // How long one attempt waits for another computer's lock. A class finishing at once on a
    // busy school server queues up behind each other's appends; an entry lost costs more
    // than a second's wait.
    int lockWaitMs = 1000;
};

// The individual list of a document: folder + the document's file name with ".hsc".
QString IndividualBestListPath(const QString& folder, const QString& documentPath);
// The network list: communication folder + channel + "-qlxnetzuebung.hsc".
QString NetworkBestListPath(const QString& komOrdner, const QString& kanal);

struct BestListAppendResult {
    bool ok = false;
    QString message; // the file-write error, with the individual list's extra text
};

// Appends one record under an exclusive lock (creating the file with its header when it is
// empty). A record cut short by an earlier crash is removed first, so that the new one stays
// readable; a file that is not a best list is left alone.
BestListAppendResult AppendBestListEntry(const QString& path, const BestListDataTyp& entry,
                                         bool network, const BestListRetry& retry = {});

struct BestListLoadResult {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    QList<BestListDataTyp> entries; // in file order
    bool torn = false;              // the last record was cut short and left out
    QString message;                // the information or error to show, if any
};

// Reads the list under a shared lock.
BestListLoadResult LoadBestList(const QString& path, bool network, const BestListRetry& retry = {});

// Stores the export text (Windows-1252) at a path the user chose; the error text on failure.
QString SaveBestListText(const QString& path, const QString& text);

// The information shown instead of the individual list when the document has no file.
QString NoBestListWithoutFileText();
// The caption of the best-list window.
QString BestListCaption(bool network);

} // namespace bw
