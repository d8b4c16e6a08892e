#include "document/binaryio.h"
#include "document/commalist.h"
#include "document/docfile.h"
#include "document/docformat.h"
#include "document/imagecodec.h"
#include "document/safefile.h"

#include <QFileInfo>

#include <algorithm>
#include <new>
#include <utility>

namespace bw {

namespace {

using namespace docformat;

// Streams encoded during a write; they become the pictures' source streams once the
// whole write has succeeded, so the next save need not encode them again.
using EncodedStreams = std::vector<std::pair<Picture*, QByteArray>>;

// An answer slot the format requires but the model leaves empty still needs a stream, or
// the file could not be read back; it gets a white pixel.
const QByteArray& BlankPictureStream() {
    static const QByteArray blank = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.fill(Qt::white);
        return EncodePng(img, 5);
    }();
    return blank;
}

bool WritePicture(ByteWriter& w, Picture& pic, EncodedStreams& encoded) {
    if (!pic.sourcePng().isEmpty()) {
        w.writeRaw(pic.sourcePng());
        return w.ok();
    }
    QByteArray stream = EncodePng(pic.image(), 5);
    if (stream.isEmpty()) return false;
    w.writeRaw(stream);
    encoded.emplace_back(&pic, std::move(stream));
    return w.ok();
}

bool WriteObject(ByteWriter& w, ObjDataTyp& o, EncodedStreams& encoded) {
    w.writeFloat64(o.Sx);
    w.writeFloat64(o.Sy);
    w.writeFloat64(o.Kx);
    w.writeFloat64(o.Ky);
    w.writeLengthString(EncodeCommaList(o.Cap));
    w.writeInt32(o.KAusr);
    w.writeInt32(o.TAusr);
    w.writeInt32(o.Ebene);
    w.writeInt32(o.Typ);
    w.writeInt32(o.Sline);
    w.writeInt32(o.Fsize);
    w.writeInt32(o.KAusrAkt);
    w.writeInt32(o.FrageNummer);
    w.writeInt32(o.Stil);
    w.writeInt32(o.Farbe);
    w.writeInt32(o.Untertyp);
    w.writeInt32(o.AntwortAnz);
    if (HasPicture(o.Typ) && !WritePicture(w, o.Bild, encoded)) return false;
    if (HasAnswerPictures(o.Typ, o.Untertyp)) {
        for (int i = 0; i < kMaxAnswerPictures && i < o.AntwortAnz; ++i) {
            if (o.BildAntw[i].isNull())
                w.writeRaw(BlankPictureStream());
            else if (!WritePicture(w, o.BildAntw[i], encoded))
                return false;
        }
    }
    return w.ok();
}

bool WriteBody(QIODevice& out, Document& doc, EncodedStreams& encoded) {
    ByteWriter w(out);
    w.writeLengthBytes(kMagic);
    w.writeLengthBytes(kFieldList);
    const HeaderDataTyp& hd = doc.CurrentHeader;
    w.writeLengthString(hd.vers);
    w.writeLengthString(hd.titel);
    w.writeLengthString(hd.autor);
    w.writeLengthString(hd.bemerkung);
    w.writeLengthString(hd.lueckentext);
    w.writeLengthString(hd.fragentext);
    w.writeInt32(hd.AnzFrageNummern);
    w.writeInt32(hd.DokTyp);
    w.writeDouble4(hd.RandErw);
    w.writeInt32(hd.NumArt);
    w.writeInt32(hd.GeordnetArt);
    // A multiple-choice layout, buttons and number lines included, is made anew at every load.
    const bool choice = hd.DokTyp == DokMultipleChoice;
    const auto stored = [choice](const ObjDataTyp& o) {
        if (choice && o.Typ >= TypBtnZurueck && o.Typ <= TypFixText) return false;
        return !IsRuntimeLayoutType(o.Typ);
    };
    w.writeInt32(
        qint32(std::count_if(doc.CurrentObjects.begin(), doc.CurrentObjects.end(), stored)));
    for (ObjDataTyp& o : doc.CurrentObjects) {
        if (stored(o) && !WriteObject(w, o, encoded)) return false;
    }
    if (doc.BaseImage.isNull()) {
        // A document without its own picture shows the start picture; store that.
        Picture start(StartBasisbild());
        EncodedStreams unused;
        if (!WritePicture(w, start, unused)) return false;
    } else if (!WritePicture(w, doc.BaseImage, encoded)) {
        return false;
    }
    return w.finish();
}

// The whole body, or false; memory running out fails the write like a full disk does.
bool WriteAll(QIODevice& out, Document& doc, EncodedStreams& encoded) {
    try {
        return WriteBody(out, doc, encoded);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void KeepEncodedStreams(EncodedStreams& encoded) {
    for (auto& [pic, stream] : encoded)
        *pic = Picture(pic->image(), std::move(stream), pic->halvings());
}

// Mirrors the read-only attribute, which stops every user: a file without any write
// permission is not replaced, even by a user the system would let do it.
bool IsReadOnlyFile(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.exists()) return false;
    // WriteUser is what the system allows this user, not a bit of the file.
    constexpr auto kWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !fi.isWritable() || !(fi.permissions() & kWrite);
}

} // namespace

void NormalisePictureTypes(Document& doc) {
    for (ObjDataTyp& o : doc.CurrentObjects) {
        if (!o.Bild.isNull()) continue;
        if (o.Typ == TypAbfrageBild)
            o.Typ = TypAbfrage;
        else if (o.Typ == TypFixBild)
            o.Typ = TypFix;
        else if (o.Typ == TypMCFrageBild)
            o.Typ = TypMCFrage;
    }
}

DocResult WriteDocumentTo(QIODevice& out, Document& doc) {
    NormalisePictureTypes(doc);
    EncodedStreams encoded;
    if (!WriteAll(out, doc, encoded)) return {false, {DocMessage::WriteFailed}};
    KeepEncodedStreams(encoded);
    return {true, {}};
}

DocResult WriteDocumentFile(const QString& path, Document& doc) {
    NormalisePictureTypes(doc);
    if (IsReadOnlyFile(path)) return {false, {DocMessage::WriteFailed}};
    EncodedStreams encoded;
    const WriteResult written =
        WriteFileSafely(path, [&](QIODevice& out) { return WriteAll(out, doc, encoded); });
    if (!written) return {false, {DocMessage::WriteFailed}};
    KeepEncodedStreams(encoded);
    return {true, {}};
}

} // namespace bw
