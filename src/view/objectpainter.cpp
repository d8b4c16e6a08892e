// The painting of objects as laid out in objectlayout.cpp, on any target.

#include "view/objectpainter.h"

#include "common/helpers.h"
#include "view/glyphcache.h"
#include "view/numbering.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace bw {

namespace {

const QColor kCoveredFill(202, 228, 255);
const QColor kCoveredFrame(70, 125, 187);
const QColor kSilver(192, 192, 192);
const QColor kOrange(255, 128, 0);

// Query fields that a worksheet replaces by a box or an answer.
bool IsWorksheetQuery(int typ, bool forAnswers) {
    return typ == TypAbfrage || typ == TypLuecke || typ == TypAbfrageBild ||
           typ == TypAntwortFeld || (forAnswers && typ == TypMCAntwortBox);
}

// The stroker draws a rectangle wholly on the bitmap pixel by pixel, as four fills would;
// the fills cost a tenth. Across the bitmap's edge it leaves out a corner, so it draws there.
bool FramesByFills(const QPainter& p, const QRect& r, const QColor& frame) {
    const QPaintDevice* d = p.device();
    const QTransform& t = p.transform();
    return d && d->devType() == QInternal::Image && t.type() <= QTransform::TxTranslate &&
           t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy()) &&
           QRect(0, 0, d->width(), d->height()).contains(r.translated(int(t.dx()), int(t.dy()))) &&
           p.compositionMode() == QPainter::CompositionMode_SourceOver && p.opacity() == 1.0 &&
           frame.alpha() == 255 && r.width() >= 2 && r.height() >= 2;
}

// Font pixel size that shrinks in steps of one point until the text height fits.
QFont FitFontToHeight(QFont f, int startPixels, int maxHeight) {
    double pt = startPixels * 72.0 / 96.0;
    int px = std::max(1, startPixels);
    f.setPixelSize(px);
    while (px > 1 && QFontMetrics(f).height() > maxHeight) {
        pt -= 1.0;
        px = std::max(1, Round(pt * 96.0 / 72.0));
        f.setPixelSize(px);
    }
    return f;
}

void DrawMarkerSquares(QPainter& p, QPoint c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRect(c.x() - 2, c.y() - 2, 5, 5));
    QPen orange(kOrange, 2);
    orange.setJoinStyle(Qt::MiterJoin);
    p.setPen(orange);
    p.drawRect(QRect(c.x() - 5, c.y() - 5, 12, 12));
    p.restore();
}

} // namespace

void DrawCentredText(QPainter& p, const QRect& r, const QFont& font, const QColor& colour,
                     const QString& text) {
    const int h = QFontMetrics(font).height();
    DrawTextLine(p, QRect(r.left(), r.top() + (r.height() - h) / 2, r.width(), h), Qt::AlignHCenter,
                 font, colour, text);
}

void FillFramedBox(QPainter& p, const QRect& r, const QColor& fill, const QColor& frame) {
    if (FramesByFills(p, r, frame)) {
        p.fillRect(r, fill);
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), frame);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), frame);
        p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), frame);
        p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), frame);
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, fill);
    p.setPen(QPen(frame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

QColor Darker30(const QColor& c) {
    return QColor(Round(c.red() * 0.7), Round(c.green() * 0.7), Round(c.blue() * 0.7));
}

namespace {

// The 36-segment polygon of an ellipse inside r.
QPolygonF EllipsePolygon(const QRect& r) {
    const double left = r.left();
    const double top = r.top();
    const double right = r.left() + r.width();
    const double bottom = r.top() + r.height();
    const double cx = (left + right - 1) / 2;
    const double cy = (top + bottom - 1) / 2;
    const double rx = (right - left - 1) / 2;
    const double ry = (bottom - top - 1) / 2;
    QPolygonF poly;
    poly.reserve(36);
    for (int i = 0; i < 36; ++i) {
        const double a = i * (2 * M_PI / 36);
        // Pixel centres sit at +0.5 in painter coordinates.
        poly << QPointF(cx + rx * std::cos(a) + 0.5, cy + ry * std::sin(a) + 0.5);
    }
    return poly;
}

void PaintEllipse(QPainter& p, const QRect& r, const QColor& fill, const QColor& outline) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    p.drawPolygon(EllipsePolygon(r));
    p.restore();
}

// A page shows hundreds of equal ellipses (badges, info points); filling and outlining each
// as an antialiased polygon cost more than the base image. Each size and colour pair is
// drawn once into a sprite, shifted by whole pixels only, and copied after that.
struct EllipseKey {
    int w, h;
    QRgb fill, outline;
    bool operator==(const EllipseKey&) const = default;
};

size_t qHash(const EllipseKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.w, k.h, k.fill, k.outline);
}

constexpr qsizetype kMaxEllipseCacheBytes = 16 * 1024 * 1024;
constexpr int kMaxSpriteSide = 1024;

const QImage& EllipseSprite(QSize size, const QColor& fill, const QColor& outline) {
    // Per thread: two bands of a page are drawn at once.
    thread_local QHash<EllipseKey, QImage> sprites;
    thread_local qsizetype bytes = 0;
    const EllipseKey key{size.width(), size.height(), fill.rgba(), outline.rgba()};
    auto it = sprites.constFind(key);
    if (it != sprites.constEnd()) return *it;
    // One pixel of room on every side for the outline's antialiasing.
    QImage sprite(size + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter sp(&sprite);
    PaintEllipse(sp, QRect(QPoint(1, 1), size), fill, outline);
    sp.end();
    if (bytes + sprite.sizeInBytes() > kMaxEllipseCacheBytes) {
        sprites.clear();
        bytes = 0;
    }
    bytes += sprite.sizeInBytes();
    return *sprites.insert(key, std::move(sprite));
}

bool CanUseSprite(const QPainter& p, const QRect& r) {
    const QTransform& t = p.transform();
    return p.device() && p.device()->devType() == QInternal::Image &&
           t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy()) && r.width() > 0 && r.height() > 0 &&
           r.width() <= kMaxSpriteSide && r.height() <= kMaxSpriteSide &&
           p.compositionMode() == QPainter::CompositionMode_SourceOver;
}

} // namespace

void DrawPolyEllipse(QPainter& p, const QRect& r, const QColor& fill, const QColor& outline,
                     const QString& label, const QFont& labelFont, const QColor& labelColour) {
    if (CanUseSprite(p, r))
        p.drawImage(r.topLeft() - QPoint(1, 1), EllipseSprite(r.size(), fill, outline));
    else
        PaintEllipse(p, r, fill, outline);
    if (!label.isEmpty()) DrawCentredText(p, r, labelFont, labelColour, label);
}

void PaintObject(QPainter& p, const ObjectDrawContext& ctx, int index, const CardLayout& L,
                 bool lines) {
    const Document& doc = *ctx.doc;
    const ObjDataTyp& o = doc.CurrentObjects[index];
    const bool ex = ctx.exerciseRunning();
    const int kind = ctx.targetKind;
    const bool selected = ctx.editorOpen && index == ctx.selectedObject && kind == TargetScreen;
    const bool cloze = doc.CurrentHeader.DokTyp == DokLueckentext;
    const int reduction = cloze ? ctx.clozeFontReduction : 0;
    const int W = std::max(1, ctx.page.width());
    const int H = std::max(1, ctx.page.height());

    // Colour.
    QColor textColour = ColorFromWin(o.Farbe);
    if (o.Typ == TypLuecke)
        textColour = (ctx.editorOpen && !selected) ? kSilver : QColor(0, 0, 255);

    // Anchor and line.
    if (o.Sline == 1 && lines && kind != TargetWorksheetSolution) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(L.anchor) + QPointF(0.5, 0.5), QPointF(L.card) + QPointF(0.5, 0.5));
        p.restore();
    }
    if (selected) {
        if (o.Sline == 1) DrawMarkerSquares(p, L.anchor);
        DrawMarkerSquares(p, L.card);
    }
    if (L.emptyLabel) return;

    const QRect& boxRect = L.box;
    const QRect& textRect = L.textRect;
    const QFont& font = L.font;
    const QString& text = L.text;
    const int textFlags = L.textFlags;
    const bool picture = L.picture;
    const int side = L.side;

    auto drawText = [&](const QColor& colour) {
        p.setFont(font);
        p.setPen(colour);
        if (textFlags & Qt::TextWordWrap) {
            p.drawText(textRect, textFlags | Qt::TextDontClip, text);
            return;
        }
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int k = 0; k < lines.size(); ++k) {
            const QRect line(textRect.left(), textRect.top() + k * L.lineHeight, textRect.width(),
                             L.lineHeight);
            DrawTextLine(p, line, CardTextAlignment(o.TAusr), font, colour, lines[k]);
        }
    };
    auto drawPicture = [&](const QRect& r) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(r, o.Bild.image());
        p.restore();
    };

    // Worksheet renderings of query fields.
    if (kind != TargetScreen) {
        const bool form = kind == TargetWorksheetBlank || kind == TargetWorksheetBoth;
        const bool answers = kind == TargetWorksheetSolution || kind == TargetWorksheetBoth;
        const bool query = IsWorksheetQuery(o.Typ, answers) || IsWorksheetQuery(o.Typ, false);
        if (query) {
            if (form && IsWorksheetQuery(o.Typ, false)) {
                QRect r = boxRect;
                const int e = Round(0.18 * r.width());
                if (side == 1)
                    r.setRight(r.right() + 2 * e);
                else if (side == 3)
                    r.setLeft(r.left() - 2 * e);
                else if (side == 2 || side == 4)
                    r.adjust(-e, 0, e, 0);
                const int bw = W;
                const int bh = H;
                r.adjust(-Round(0.01 * bw), -Round(0.1 * r.height()), Round(0.01 * bw),
                         Round(0.1 * r.height()));
                const QRect limit(QPoint(Round(0.005 * bw), Round(0.005 * bh)),
                                  QPoint(Round(0.995 * bw) - 1, Round(0.995 * bh) - 1));
                r = r.intersected(limit);
                p.save();
                p.setRenderHint(QPainter::Antialiasing, false);
                p.fillRect(r, Qt::white);
                p.setPen(QPen(Qt::black, 1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(0, 0, -1, -1));
                p.drawRect(r.adjusted(1, 1, -2, -2));
                p.restore();
            }
            if (answers && IsWorksheetQuery(o.Typ, true)) {
                if (picture)
                    drawPicture(boxRect);
                else
                    drawText(QColor(255, 0, 0));
            }
            return;
        }
        if (!form) return;
        if (o.Typ == TypFix || o.Typ == TypFixBild) {
            if (picture)
                drawPicture(boxRect);
            else
                drawText(textColour);
            return;
        }
        // Everything else is drawn as on the screen.
    }

    const bool current = BelongsToCurrentQuestion(o, ctx);
    const bool coveredType =
        o.Typ == TypAbfrage || o.Typ == TypLuecke || o.Typ == TypAbfrageBild ||
        ((o.Typ == TypAntwortFeld || o.Typ == TypMCAntwortBox) && current && !ex);

    if (HasTrait(o.Typ, TraitMarker)) {
        static const QColor colours[] = {QColor(0, 95, 253), QColor(164, 53, 47),
                                         QColor(41, 152, 74)};
        static const char* labels[] = {"Info", "Link", "Dok."};
        const int k = o.Typ == TypInfopunkt ? 0 : (o.Typ == TypLinkExtern ? 1 : 2);
        const QColor fill = ex ? kSilver : colours[k];
        DrawPolyEllipse(p, boxRect, fill, Darker30(fill), QString::fromLatin1(labels[k]),
                        ArialPixels(ctx.units(12), true), Qt::white);
    } else if (HasTrait(o.Typ, TraitQuestionButton)) {
        if (!ex) {
            static const char* labels[] = {"<", ">", "|<", ">|", "?"};
            const QColor fill(0, 0, 255);
            DrawPolyEllipse(p, boxRect, fill, Darker30(fill),
                            QString::fromLatin1(labels[o.Typ - TypBtnZurueck]),
                            ArialPixels(ctx.units(16), true), Qt::white);
        }
    } else if (o.Typ == TypFix || o.Typ == TypFixBild) {
        if (picture)
            drawPicture(boxRect);
        else
            drawText(textColour);
    } else if (IsQueryFieldType(o.Typ) && IsExerciseState(o.Abgedeckt)) {
        switch (o.Abgedeckt) {
        case StateRichtig:
        case StateFalsch: {
            QFont sym(QStringLiteral("DejaVu Sans"));
            sym.setPixelSize(Round(32 * 96.0 / 72.0));
            p.setFont(sym);
            const bool tick = o.Abgedeckt == StateRichtig;
            p.setPen(tick ? QColor(0, 196, 0) : QColor(220, 0, 0));
            const QPoint c(boxRect.left() + 17, boxRect.top() + (tick ? 22 : 20));
            p.drawText(QRect(c.x() - 50, c.y() - 50, 100, 100), Qt::AlignCenter,
                       tick ? QStringLiteral("\u2714") : QStringLiteral("\u2718"));
            break;
        }
        case StateZugeordnet:
            DrawPolyEllipse(p, boxRect, Qt::white, Qt::black, QStringLiteral("X"),
                            ArialPixels(ctx.units(24), true), QColor(128, 128, 128));
            break;
        case StateOffen: {
            const ExerciseDrawState* es = ctx.exercise;
            const bool questionDoc = IsQuestionDocument(doc.CurrentHeader.DokTyp);
            if (ex && es && es->onePositionAtATime && !questionDoc && index != es->askedObject) {
                DrawPolyEllipse(p, boxRect, QColor(208, 208, 208), QColor(176, 176, 176));
            } else {
                const QString label = (questionDoc && ex) ? QString() : NumberText(doc, index);
                DrawPolyEllipse(p, boxRect, QColor(236, 236, 232), Qt::black, label,
                                ArialPixels(ctx.units(20), true), QColor(255, 0, 0));
            }
            break;
        }
        default:
            break;
        }
    } else if (coveredType && o.Abgedeckt == Abgedeckt_) {
        FillFramedBox(p, boxRect, kCoveredFill, kCoveredFrame);
        const QFont q = FitFontToHeight(
            ArialPixels(ctx.units(22) + reduction, o.Stil & 1, o.Stil & 2, o.Stil & 4),
            ctx.units(22) + reduction, boxRect.height());
        DrawCentredText(p, boxRect, q, textColour, QStringLiteral("?"));
        if (o.Nummer >= 1) {
            const int full = ctx.units(30);
            const int d = std::max(1, std::min({full, boxRect.width(), boxRect.height()}));
            // Top-left, so that a tall picture field still shows its "?".
            const QRect badge(boxRect.left(), boxRect.top(), d, d);
            DrawPolyEllipse(p, badge, Qt::white, kCoveredFrame, NumberText(doc, index),
                            ArialPixels(Round(ctx.units(20) * double(d) / std::max(1, full)), true),
                            QColor(255, 0, 0));
        }
    } else {
        bool visible = false;
        if (o.Typ == TypAbfrage || o.Typ == TypLuecke || o.Typ == TypAbfrageBild)
            visible = o.Abgedeckt == Aufgedeckt;
        else if (o.Typ == TypAntwortFeld || o.Typ == TypMCAntwortBox)
            visible = current && o.Abgedeckt == Aufgedeckt;
        else if (o.Typ == TypFrageText || o.Typ == TypMCFragetext || o.Typ == TypMCFragebild ||
                 o.Typ == TypMCAntwortText || o.Typ == TypMCAntwortBild)
            visible = current;
        else if (o.Typ == TypFixText)
            visible = current && !ex;
        if (visible) {
            if (picture)
                drawPicture(boxRect);
            else
                drawText(textColour);
            if (o.Typ == TypLuecke) {
                p.save();
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(QPen(Qt::black, 1));
                const int y = boxRect.top() + boxRect.height() - 1 - 4;
                p.drawLine(boxRect.left(), y, boxRect.left() + boxRect.width() - 1, y);
                p.restore();
            }
        }
    }
}

void PaintObjects(QPainter& p, const ObjectDrawContext& ctx,
                  const std::array<bool, kLayerCount>& layerVisible, bool lines) {
    for (int i = 0; i < ctx.doc->ObjectCount(); ++i) {
        const int layer = ctx.doc->CurrentObjects[i].Ebene;
        const bool visible = layer < 0 || layer >= kLayerCount || layerVisible[layer];
        if (ObjectTakesPart(ctx, i, visible)) PaintObject(p, ctx, i, LayoutObject(ctx, i), lines);
    }
}

} // namespace bw
