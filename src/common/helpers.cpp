#include "common/helpers.h"

#include "document/commalist.h"
#include "document/imagecodec.h"
#include "document/safefile.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace bw {

QString RemoveAll(const QString& text, const QString& part) {
    if (part.isEmpty())
        return text;
    QString t = text;
    return t.remove(part, Qt::CaseSensitive);
}

QString RemoveAllIgnoreCase(const QString& text, const QString& part) {
    if (part.isEmpty())
        return text;
    QString t = text;
    return t.remove(part, Qt::CaseInsensitive);
}

QString ReplaceAll(const QString& text, const QString& from, const QString& to) {
    if (from.isEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    int pos = 0;
    while (true) {
        const int hit = text.indexOf(from, pos);
        if (hit < 0)
            break;
        out += QStringView(text).mid(pos, hit - pos);
        out += to;
        pos = hit + from.size();
    }
    out += QStringView(text).mid(pos);
    return out;
}

QString Repeat(const QString& part, int n) { return n <= 0 ? QString() : part.repeated(n); }

QString CommaTextToLines(const QString& text) { return DecodeCommaList(text); }

QString LinesToCommaText(const QString& text) { return EncodeCommaList(text); }

QString DigitsTo(const QString& text, QChar c) {
    QString t = text;
    for (QChar& ch : t) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            ch = c;
    }
    return t;
}

QString HexDigitsTo(const QString& text, QChar c) {
    QString t = text.toUpper();
    for (QChar& ch : t) {
        if ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
            (ch >= QLatin1Char('A') && ch <= QLatin1Char('F')))
            ch = c;
    }
    return t;
}

double SnapTo(double x, double step) {
    if (step == 0)
        return x;
    return step * std::round(x / step);
}

int FloorTo(int step, double x) {
    if (step == 0)
        return static_cast<int>(std::floor(x));
    return step * static_cast<int>(std::floor(x / step));
}

double CeilTo(double x, double step) {
    if (step == 0)
        return x;
    return step * std::ceil(x / step);
}

int ClampInt(int x, int lo, int hi) { return x < lo ? lo : (x > hi ? hi : x); }

double ClampDouble(double x, double lo, double hi) { return x < lo ? lo : (x > hi ? hi : x); }

int RandomBetween(int a, int b) {
    if (a >= b)
        return a;
    return static_cast<int>(QRandomGenerator::global()->bounded(qint64(a), qint64(b) + 1));
}

void SwapInts(int& a, int& b) { std::swap(a, b); }

void SwapBytes(void* a, void* b, std::size_t size) {
    auto* pa = static_cast<unsigned char*>(a);
    auto* pb = static_cast<unsigned char*>(b);
    for (std::size_t i = 0; i < size; ++i)
        std::swap(pa[i], pb[i]);
}

bool PointInDoubleRect(const DoubleRect& r, double x, double y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

bool DoubleRectsOverlap(const DoubleRect& a, const DoubleRect& b) {
    auto cornerIn = [](const DoubleRect& r, const DoubleRect& inside) {
        return PointInDoubleRect(inside, r.left, r.top) ||
               PointInDoubleRect(inside, r.right, r.top) ||
               PointInDoubleRect(inside, r.left, r.bottom) ||
               PointInDoubleRect(inside, r.right, r.bottom);
    };
    return cornerIn(a, b) || cornerIn(b, a);
}

double DistanceToSegment(QPointF p, QPointF s, QPointF e) {
    const double dx = e.x() - s.x();
    const double dy = e.y() - s.y();
    const double len = std::hypot(dx, dy);
    if (len == 0)
        return std::hypot(p.x() - s.x(), p.y() - s.y());
    // Distance to the straight line through start and end.
    return std::fabs(dy * (p.x() - s.x()) - dx * (p.y() - s.y())) / len;
}

bool NearSegment(QPointF p, QPointF s, QPointF e, double tolerance) {
    const double left = std::min(s.x(), e.x()) - tolerance;
    const double right = std::max(s.x(), e.x()) + tolerance;
    const double top = std::min(s.y(), e.y()) - tolerance;
    const double bottom = std::max(s.y(), e.y()) + tolerance;
    if (p.x() < left || p.x() > right || p.y() < top || p.y() > bottom)
        return false;
    return DistanceToSegment(p, s, e) <= tolerance;
}

QRect OffsetRect(const QRect& r, int dx, int dy) { return r.translated(dx, dy); }

namespace {
// Edges as Windows keeps them: right and bottom exclusive.
struct Edges {
    int l, t, r, b;
};
Edges ToEdges(const QRect& q) { return {q.left(), q.top(), q.left() + q.width(), q.top() + q.height()}; }
QRect FromEdges(const Edges& e) { return QRect(e.l, e.t, e.r - e.l, e.b - e.t); }
} // namespace

QRect ClampRectTo(const QRect& r, const QRect& bounds) {
    Edges e = ToEdges(r);
    const Edges b = ToEdges(bounds);
    e.l = ClampInt(e.l, b.l, b.r);
    e.r = ClampInt(e.r, b.l, b.r);
    e.t = ClampInt(e.t, b.t, b.b);
    e.b = ClampInt(e.b, b.t, b.b);
    return FromEdges(e);
}

QRect KeepRectInside(const QRect& r, const QRect& bounds) {
    Edges e = ToEdges(r);
    const Edges b = ToEdges(bounds);
    if (e.r > b.r) {
        e.l -= e.r - b.r;
        e.r = b.r;
    }
    if (e.b > b.b) {
        e.t -= e.b - b.b;
        e.b = b.b;
    }
    if (e.l < b.l) {
        e.r += b.l - e.l;
        e.l = b.l;
    }
    if (e.t < b.t) {
        e.b += b.t - e.t;
        e.t = b.t;
    }
    return ClampRectTo(FromEdges(e), bounds);
}

QRect InflateRect(const QRect& r, int dx, int dy) { return r.adjusted(-dx, -dy, dx, dy); }

DoubleRect OffsetDoubleRect(const DoubleRect& r, const DoubleRect& b, double dx, double dy) {
    DoubleRect o{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    if (o.right > b.right) {
        o.left -= o.right - b.right;
        o.right = b.right;
    }
    if (o.bottom > b.bottom) {
        o.top -= o.bottom - b.bottom;
        o.bottom = b.bottom;
    }
    if (o.left < b.left) {
        o.right += b.left - o.left;
        o.left = b.left;
    }
    if (o.top < b.top) {
        o.bottom += b.top - o.top;
        o.top = b.top;
    }
    o.left = ClampDouble(o.left, b.left, b.right);
    o.right = ClampDouble(o.right, b.left, b.right);
    o.top = ClampDouble(o.top, b.top, b.bottom);
    o.bottom = ClampDouble(o.bottom, b.top, b.bottom);
    return o;
}

QColor ColorFromWin(int c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

int WinFromColor(const QColor& c) { return RGBWin(c.red(), c.green(), c.blue()); }

int RGBWin(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

int MixColours(int a, int b, double t) {
    int out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = (a >> shift) & 0xFF;
        const int cb = (b >> shift) & 0xFF;
        const int v = ClampInt(static_cast<int>(std::lround(ca * (1 - t) + cb * t)), 0, 255);
        out |= v << shift;
    }
    return out;
}

QString ExpandEnvironment(const QString& text) {
    // %NAME% as Windows expands it: unknown names stay as written, a lone % stays.
    QString out;
    int pos = 0;
    const int n = text.size();
    while (pos < n) {
        const QChar c = text[pos];
        if (c != QLatin1Char('%')) {
            out += c;
            ++pos;
            continue;
        }
        const int close = text.indexOf(QLatin1Char('%'), pos + 1);
        if (close < 0) {
            out += QStringView(text).mid(pos);
            break;
        }
        const QString name = text.mid(pos + 1, close - pos - 1);
        const QByteArray value = name.isEmpty() ? QByteArray() : qgetenv(name.toLocal8Bit());
        if (!name.isEmpty() && qEnvironmentVariableIsSet(name.toLocal8Bit().constData())) {
            out += QString::fromLocal8Bit(value);
            pos = close + 1;
        } else {
            // Not a variable: keep the first % and go on scanning from the second.
            out += QLatin1Char('%') + name;
            pos = close;
        }
    }
    if (out.size() > 1024)
        return text;
    return out.trimmed();
}

bool DirectoryExists(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

namespace {

// An uncompressed bitmap of the largest picture allowed, with room to spare.
constexpr qint64 kMaxPictureFileBytes = kMaxPicturePixels * 4 + 1024 * 1024;

} // namespace

bool LoadPictureFile(QImage& bitmap, const QString& path) {
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    bool ok = false;
    // Only plain files: a pipe or device named like a picture would block or never end.
    const ReadResult file = ReadRegularFile(path, kMaxPictureFileBytes);
    if (file.status == ReadStatus::Ok) {
        const QByteArray& data = file.bytes;
        const QString ext = QFileInfo(path).suffix().toLower();
        QImage img;
        if (ext == QLatin1String("jpg"))
            ok = DecodeJpeg(data, img);
        else if (ext == QLatin1String("png"))
            ok = DecodePng(reinterpret_cast<const uchar*>(data.constData()), data.size(), img);
        else
            ok = DecodeBmp(data, img);
        if (ok)
            bitmap = img;
    }
    if (gui)
        QGuiApplication::restoreOverrideCursor();
    return ok;
}

qint64 Ticks() { return TickCount(); }

void WaitUntil(qint64 tick, bool quiet) {
    while (TickCount() < tick) {
        if (!quiet && QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        else
            QThread::msleep(1);
    }
}

void WaitFor(int milliseconds, bool quiet) { WaitUntil(TickCount() + milliseconds, quiet); }

} // namespace bw
