// bestlist FILE.hsc: the sorted best list as the best-list window exports it.

#include "commands.h"

#include "common/messages.h"
#include "exercise/bestlistfile.h"

#include <cstdio>

namespace bw::tool {

int RunBestList(const QStringList& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brettwerk-tool bestlist FILE.hsc\n");
        return 2;
    }
    const QString& path = args[0];
    BestListLoadResult r = LoadBestList(path, false);
    switch (r.status) {
    case BestListLoadResult::Status::Missing:
        std::fprintf(stderr, "%s\n", FileMissingText(path).toUtf8().constData());
        return 1;
    case BestListLoadResult::Status::Unreadable:
        std::fprintf(stderr, "%s\n", FileReadErrorText(path).toUtf8().constData());
        return 1;
    case BestListLoadResult::Status::Read:
        break;
    }
    SortBestList(r.entries);
    const QByteArray out = BestListExportText(r.entries).toUtf8();
    std::fwrite(out.constData(), 1, out.size(), stdout);
    return 0;
}

} // namespace bw::tool
