#include "document/binaryio.h"
#include "document/commalist.h"
#include "document/docfile.h"
#include "document/docformat.h"
#include "document/imagecodec.h"
#include "document/safefile.h"

#include <QFile>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cmath>
#include <limits>
#include <new>

namespace bw {

namespace {

using namespace docformat;

enum class Outcome { Ok, InvalidFormat, NewerVersion, Damaged };

// The decoded pixels a document may still claim; judged on each header before decoding.
struct PixelBudget {
    qint64 left = kMaxDocumentPixels;
};

bool ReadPicture(ByteReader& r, Picture& pic, PixelBudget& budget, bool withHalvings = false) {
    QByteArray stream = r.readPngStream();
    if (!r.ok()) return false;
    const auto* data = reinterpret_cast<const uchar*>(stream.constData());
    const qint64 pixels = PngPixelCount(data, stream.size());
    QImage img;
    Halvings halvings;
    // The halvings (a third of the pixels) are not counted: they are bounded by the picture.
    if (pixels > budget.left || !(withHalvings ? DecodePng(data, stream.size(), img, halvings)
                                               : DecodePng(data, stream.size(), img))) {
        r.fail();
        return false;
    }
    budget.left -= qint64(img.width()) * img.height();
    pic = Picture(std::move(img), std::move(stream), std::move(halvings));
    return true;
}

// Coordinates that are not numbers would break every drawing; they read as 0, so that a
// document that somehow got one still opens.
double Number(double v) {
    return std::isfinite(v) ? v : 0.0;
}

bool ReadObject(ByteReader& r, const QByteArray& fields, ObjDataTyp& o, PixelBudget& budget) {
    o.Sx = Number(r.readFloat64());
    o.Sy = Number(r.readFloat64());
    o.Kx = Number(r.readFloat64());
    o.Ky = Number(r.readFloat64());
    o.Cap = DecodeCommaList(r.readLengthString());
    o.KAusr = r.readInt32();
    o.TAusr = r.readInt32();
    o.Ebene = r.readInt32();
    o.Typ = r.readInt32();
    o.Sline = r.readInt32();
    o.Fsize = r.readInt32();
    o.KAusrAkt = r.readInt32();
    o.FrageNummer = fields.contains("OB-FrageNummer") ? r.readInt32() : -1;
    o.Stil = fields.contains("OB-Stil") ? r.readInt32() : 0;
    o.Farbe = fields.contains("OB-Farbe") ? r.readInt32() : 0;
    o.Untertyp = fields.contains("OB-Untertyp") ? r.readInt32() : 0;
    // Read before the pictures although its key comes last in the field list.
    o.AntwortAnz = fields.contains("OB-AntwortAnz") ? r.readInt32() : 0;
    if (!r.ok()) return false;
    if (HasPicture(o.Typ) && !ReadPicture(r, o.Bild, budget)) return false;
    if (fields.contains("OB-BildAntw") && HasAnswerPictures(o.Typ, o.Untertyp)) {
        for (int i = 0; i < kMaxAnswerPictures && i < o.AntwortAnz; ++i) {
            if (!ReadPicture(r, o.BildAntw[i], budget)) return false;
        }
    }
    return true;
}

// A magic text is a few characters long. A file that ends inside its length or its text could
// not be read; a first length that no magic has means the file is no document at all.
constexpr qint32 kMaxMagicLength = 64;

bool EndsInsideMagic(QByteArrayView head) {
    if (head.size() < 4) return true;
    const qint32 n = qFromLittleEndian<qint32>(head.data());
    return n >= 0 && n <= kMaxMagicLength && head.size() < 4 + n;
}

// A file whose first item is no text of at least four bytes is not a document at all.
Outcome CheckMagic(const QByteArray& magic, bool readOk) {
    if (!readOk || magic.size() < 4) return Outcome::InvalidFormat;
    if (!magic.startsWith("KEV-") && !magic.startsWith("BWK-")) return Outcome::InvalidFormat;
    // Characters 5 to 8 compared as bytes: "2.9" counts as newer than "2.10".
    if (magic.mid(4, 4) > QByteArrayView(kVersion)) return Outcome::NewerVersion;
    return Outcome::Ok;
}

Outcome Parse(const QByteArray& bytes, Document& doc, bool editorOpen, BaseHalvings baseHalvings) {
    if (EndsInsideMagic(
            QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 4 + kMaxMagicLength))))
        return Outcome::Damaged;
    ByteReader r(bytes);
    const QByteArray magic = r.readLengthBytes();
    const Outcome accepted = CheckMagic(magic, r.ok());
    if (accepted != Outcome::Ok) return accepted;

    const QByteArray fields = r.readLengthBytes();
    HeaderDataTyp& hd = doc.CurrentHeader;
    hd.vers = r.readLengthString();
    hd.titel = r.readLengthString();
    hd.autor = r.readLengthString();
    hd.bemerkung = r.readLengthString();
    if (fields.contains("HD-lueckentext")) hd.lueckentext = r.readLengthString();
    if (fields.contains("HD-fragentext")) hd.fragentext = r.readLengthString();
    if (fields.contains("HD-AnzFrageNummern")) hd.AnzFrageNummern = r.readInt32();
    if (fields.contains("HD-DokTyp")) hd.DokTyp = r.readInt32();
    if (fields.contains("HD-RandErw")) {
        const DoubleRect m = r.readDouble4();
        hd.RandErw = {Number(m.left), Number(m.top), Number(m.right), Number(m.bottom)};
    }
    if (fields.contains("HD-NumArt")) hd.NumArt = r.readInt32();
    if (fields.contains("HD-GeordnetArt")) hd.GeordnetArt = r.readInt32();

    const qint32 n = r.readInt32();
    // The count must fit in what is left, so a lying count reserves nothing.
    if (!r.ok() || n < 0 || n > r.remaining() / kMinRecordBytes) return Outcome::Damaged;
    doc.CurrentObjects.reserve(size_t(n));
    PixelBudget budget;
    for (qint32 i = 0; i < n; ++i) {
        ObjDataTyp o;
        if (!ReadObject(r, fields, o, budget)) return Outcome::Damaged;
        o.ResetRuntimeValues(editorOpen);
        doc.CurrentObjects.push_back(std::move(o));
    }
    if (!ReadPicture(r, doc.BaseImage, budget, baseHalvings == BaseHalvings::Make))
        return Outcome::Damaged;
    return Outcome::Ok;
}

DocResult Fail(Document& doc, const PageRatioDefaults& defaults, std::vector<DocMessage> messages) {
    doc = Document{};
    doc.ResetHeader(defaults);
    return {false, std::move(messages)};
}

DocResult Failure(Document& doc, const PageRatioDefaults& defaults, Outcome outcome) {
    switch (outcome) {
    case Outcome::InvalidFormat:
        return Fail(doc, defaults, {DocMessage::InvalidFormat, DocMessage::ReadFailed});
    case Outcome::NewerVersion:
        return Fail(doc, defaults, {DocMessage::NewerVersion, DocMessage::ReadFailed});
    default:
        return Fail(doc, defaults, {DocMessage::ReadFailed});
    }
}

} // namespace

DocResult ReadDocumentBytes(const QByteArray& bytes, Document& doc, bool editorOpen,
                            const PageRatioDefaults& defaults, BaseHalvings baseHalvings) {
    Document fresh;
    fresh.ResetHeader(defaults);
    Outcome outcome = Outcome::Damaged;
    try {
        outcome = Parse(bytes, fresh, editorOpen, baseHalvings);
    } catch (const std::bad_alloc&) {
        outcome = Outcome::Damaged;
    }
    if (outcome != Outcome::Ok) return Failure(doc, defaults, outcome);
    fresh.ComputeDerivedGeometry();
    fresh.CurrentHeader.Geaendert = false;
    doc = std::move(fresh);
    return {true, {}};
}

DocResult ReadDocumentFrom(QIODevice& in, Document& doc, bool editorOpen,
                           const PageRatioDefaults& defaults, BaseHalvings baseHalvings) {
    QByteArray bytes;
    try {
        if (in.isSequential()) {
            bytes = in.readAll(); // grows only with what arrives
        } else {
            // One buffer of exactly the file's size; the pictures keep slices of it.
            // A file that is no document (or a newer one) is refused before the whole of
            // it is loaded.
            const qint64 start = in.pos();
            if (EndsInsideMagic(in.peek(4 + kMaxMagicLength)))
                return Failure(doc, defaults, Outcome::Damaged);
            DeviceReader peek(in);
            const QByteArray magic = peek.readLengthBytes();
            const Outcome accepted = CheckMagic(magic, peek.ok());
            if (accepted != Outcome::Ok) return Failure(doc, defaults, accepted);
            if (!in.seek(start)) return Fail(doc, defaults, {DocMessage::ReadFailed});
            const qint64 size = in.size() - start;
            if (size < 0 || size > std::numeric_limits<qsizetype>::max() / 2)
                return Fail(doc, defaults, {DocMessage::ReadFailed});
            bytes = QByteArray(qsizetype(size), Qt::Uninitialized);
            qsizetype got = 0;
            while (got < bytes.size()) {
                const qint64 k = in.read(bytes.data() + got, bytes.size() - got);
                if (k <= 0) break;
                got += qsizetype(k);
            }
            if (got != bytes.size()) return Fail(doc, defaults, {DocMessage::ReadFailed});
        }
    } catch (const std::bad_alloc&) {
        return Fail(doc, defaults, {DocMessage::ReadFailed});
    }
    return ReadDocumentBytes(bytes, doc, editorOpen, defaults, baseHalvings);
}

DocResult ReadDocumentFile(const QString& path, Document& doc, bool editorOpen,
                           const PageRatioDefaults& defaults, BaseHalvings baseHalvings) {
    // A pipe would wait for a writer for ever and a device never end; only a plain file
    // (or a link to one) can be a document.
    QFile f;
    switch (OpenRegularFile(f, path)) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::Missing:
        return Fail(doc, defaults, {DocMessage::FileMissing});
    default:
        return Fail(doc, defaults, {DocMessage::ReadFailed});
    }
    DocResult r = ReadDocumentFrom(f, doc, editorOpen, defaults, baseHalvings);
    if (r.ok) doc.CurrentHeader.Datei = path;
    return r;
}

namespace {

// Magic, field list, vers and titel; refused is set when the magic is read and not accepted.
template <class Reader>
bool ReadHeaderItems(Reader& r, QString& vers, QString& titel, bool& refused) {
    const QByteArray magic = r.readLengthBytes();
    if (!r.ok()) return false;
    refused = !magic.startsWith("KEV-") && !magic.startsWith("BWK-");
    if (refused) return false;
    r.readLengthBytes(); // field list
    vers = r.readLengthString();
    titel = r.readLengthString();
    return r.ok();
}

} // namespace

bool ReadDocumentHeader(const QString& path, HeaderDataTyp& header) {
    // The topic list reads this for every file of a folder. One read of the first block
    // holds the header of nearly every document; item by item, the device reader asks the
    // file system for the size each time, which cost more than the reads themselves.
    constexpr qint64 kBlock = 4096;
    QFile f;
    if (OpenRegularFile(f, path) != ReadStatus::Ok) return false;
    QString vers, titel;
    bool refused = false;
    const QByteArray block = f.read(kBlock);
    ByteReader b(block);
    bool ok = ReadHeaderItems(b, vers, titel, refused);
    if (!ok && !refused && block.size() == kBlock && f.seek(0)) {
        // A header longer than the block: a long field list or title.
        DeviceReader r(f);
        ok = ReadHeaderItems(r, vers, titel, refused);
    }
    if (!ok) return false;
    header.vers = std::move(vers);
    header.titel = std::move(titel);
    return true;
}

#ifdef Q_OS_UNIX
namespace {

// A folder listing has just shown the name as a plain file: that was the look before the
// open. The open still never waits on a FIFO swapped in since, and only a plain file is read.
// Half the system calls of the general way, which the topic list of a large folder feels.
bool ReadHeaderBlock(int fd, const QString& path, HeaderDataTyp& header) {
    constexpr ssize_t kBlock = 4096;
    if (fd < 0) return false;
    struct stat st {};
    char block[kBlock];
    ssize_t got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) got = ::read(fd, block, sizeof block);
    ::close(fd);
    if (got < 0) return false;
    QString vers, titel;
    bool refused = false;
    ByteReader b(QByteArray::fromRawData(block, qsizetype(got)));
    if (ReadHeaderItems(b, vers, titel, refused)) {
        header.vers = std::move(vers);
        header.titel = std::move(titel);
        return true;
    }
    // A header longer than the block (a long field list or title) takes the general way.
    if (refused || got < kBlock) return false;
    return ReadDocumentHeader(path, header);
}

constexpr int kListedOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

} // namespace

bool ReadListedDocumentHeaderAt(int dirFd, const char* name, const QString& path,
                                HeaderDataTyp& header) {
    return ReadHeaderBlock(::openat(dirFd, name, kListedOpenFlags), path, header);
}
#endif

bool ReadListedDocumentHeader(const QString& path, HeaderDataTyp& header) {
#ifdef Q_OS_UNIX
    return ReadHeaderBlock(::open(QFile::encodeName(path).constData(), kListedOpenFlags), path,
                           header);
#else
    return ReadDocumentHeader(path, header);
#endif
}

} // namespace bw
