// Feeds arbitrary bytes to the document reader. Whatever the input, the reader must end in
// a defined state: on failure messages and the empty start document; on success a document
// that writes, reads back, and writes again to the very same bytes.

#include "document/docfile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_reader: %s\n", what);
    std::abort();
}

QByteArray Write(bw::Document& doc) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!bw::WriteDocumentTo(out, doc).ok) Fail("a document that was read cannot be written");
    return out.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    bw::Document doc;
    const bw::DocResult r = bw::ReadDocumentBytes(bytes, doc, false, {0, 4, 3});
    if (!r.ok) {
        if (r.messages.empty() || doc.ObjectCount() != 0 || doc.BaseImage.width() != 300 ||
            doc.CurrentHeader.SeitBreite != 4 || !doc.CurrentHeader.titel.isEmpty())
            Fail("a failed read did not leave the empty start document");
        return 0;
    }
    if (!r.messages.empty() || doc.BaseImage.isNull())
        Fail("a successful read with messages or without base image");

    const QByteArray first = Write(doc);
    bw::Document again;
    if (!bw::ReadDocumentBytes(first, again, false).ok)
        Fail("a written document cannot be read back");
    if (again.ObjectCount() > doc.ObjectCount() ||
        again.BaseImage.image().size() != doc.BaseImage.image().size())
        Fail("the document changed on the way through a file");
    if (Write(again) != first) Fail("writing a read document twice gives different bytes");
    return 0;
}
