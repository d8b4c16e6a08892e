#pragma once

#include "document/docfile.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace bw::test {

// doc as the bytes of a file, from the program's writer; a failed write fails the test.
inline QByteArray WriteBytes(Document& doc) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    const DocResult r = WriteDocumentTo(buf, doc);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.messages.empty());
    return buf.data();
}

// The document those bytes hold; a failed read fails the test.
inline Document ReadBytes(const QByteArray& bytes, bool editorOpen = false) {
    Document doc;
    const DocResult r = ReadDocumentBytes(bytes, doc, editorOpen);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.messages.empty());
    return doc;
}

} // namespace bw::test
