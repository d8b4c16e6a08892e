// Where each object's card lands on a target, worked out from the object and the context
// alone; the painting is in objectpainter.cpp.

#include "view/objectlayout.h"

#include "common/helpers.h"
#include "view/glyphcache.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace bw {

namespace {

// Positions from a damaged file stay finite and near the page.
double SafeFraction(double v) {
    return std::isfinite(v) ? std::clamp(v, -4.0, 5.0) : 0.0;
}

bool IsPictureType(int typ) {
    return HasTrait(typ, TraitPicture);
}

QString CardText(const QString& cap) {
    QString t = cap;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// Effective placement 1..4. A stored side wins: the editor keeps it equal to a set KAusr and
// moves it when a card is dragged across its anchor. Without one, KAusr or the automatic side
// is taken; the screen view stores it and keeps it from then on.
int PlacementSide(const ObjDataTyp& o, double cardX, double cardY, double viewAspect) {
    if (o.KAusrAkt >= 1 && o.KAusrAkt <= 4) return o.KAusrAkt;
    if (o.KAusr >= 1 && o.KAusr <= 4) return o.KAusr;
    return AutomaticCardSide(cardX - SafeFraction(o.Sx), cardY - SafeFraction(o.Sy), viewAspect);
}

} // namespace

int ObjectDrawContext::units(double n) const {
    return Round(n * scale);
}

Qt::Alignment CardTextAlignment(int tausr) {
    switch (tausr) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

bool BelongsToCurrentQuestion(const ObjDataTyp& o, const ObjectDrawContext& ctx) {
    return o.FrageNummer == ctx.currentQuestion;
}

QFont ArialPixels(int pixels, bool bold, bool italic, bool underline) {
    // A page asks for the same few fonts hundreds of times; a new QFont looks its font up
    // again at first use, a copy of a used one does not. Per thread, as fonts are.
    constexpr qsizetype kMaxFonts = 256;
    thread_local QHash<quint64, QFont> fonts;
    pixels = std::max(1, pixels);
    const quint64 key =
        quint64(pixels) << 3 | quint64(bold) | quint64(italic) << 1 | quint64(underline) << 2;
    auto it = fonts.constFind(key);
    if (it != fonts.constEnd()) return *it;
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    if (fonts.size() >= kMaxFonts) fonts.clear();
    return *fonts.insert(key, f);
}

QRect KRectPixels(const CardPlacement& c, QSize page) {
    const DoubleRect& k = c.KRect;
    if (k.left < 0 && k.top < 0 && k.right < 0 && k.bottom < 0) return {};
    const int l = Round(k.left * page.width());
    const int t = Round(k.top * page.height());
    const int r = Round(k.right * page.width());
    const int b = Round(k.bottom * page.height());
    if (r <= l || b <= t) return {};
    return QRect(l, t, r - l, b - t);
}

CardPlacement PlacementOf(const CardLayout& layout, QSize page) {
    const int W = std::max(1, page.width());
    const int H = std::max(1, page.height());
    const QRect& b = layout.box;
    CardPlacement c;
    c.KRect = {double(b.left()) / W, double(b.top()) / H, double(b.left() + b.width()) / W,
               double(b.top() + b.height()) / H};
    c.KPixelX = b.left();
    c.KPixelY = b.top();
    c.KBreite = layout.breite;
    c.KHoehe = layout.hoehe;
    return c;
}

ObjectDrawContext TargetContext(const Document& doc, QSize page, int targetKind) {
    ObjectDrawContext ctx;
    ctx.doc = &doc;
    ctx.page = page;
    ctx.scale = std::max(1, page.width()) / 870.0;
    ctx.viewAspect = double(std::max(1, page.width())) / std::max(1, page.height());
    ctx.targetKind = targetKind;
    return ctx;
}

bool ObjectTakesPart(const ObjectDrawContext& ctx, int index, bool layerVisible) {
    const ObjDataTyp& o = ctx.doc->CurrentObjects[index];
    const bool ex = ctx.exerciseRunning();
    if (o.Ebene == 2 && (ctx.targetKind != TargetScreen || ex)) return false;
    if (!ex && !layerVisible) return false;
    switch (o.Typ) {
    case TypMCFrage:
    case TypMCFrageBild:
    case TypMCOkBtn:
        return false;
    case TypFrageText:
    case TypMCFragetext:
    case TypMCFragebild:
    case TypMCAntwortText:
    case TypMCAntwortBild:
        return BelongsToCurrentQuestion(o, ctx);
    case TypAntwortFeld:
    case TypFixText:
    case TypMCAntwortBox:
        return BelongsToCurrentQuestion(o, ctx) && !ex;
    default:
        if (HasTrait(o.Typ, TraitQuestionButton)) return !ex;
        return true;
    }
}

int AutomaticCardSide(double dx, double dy, double viewAspect) {
    dy /= viewAspect > 0 ? viewAspect : 1.0;
    if (std::fabs(dy) > std::fabs(dx)) return dy < 0 ? 2 : 4;
    return dx >= 0 ? 1 : 3;
}

CardLayout LayoutObject(const ObjectDrawContext& ctx, int index) {
    const Document& doc = *ctx.doc;
    const ObjDataTyp& o = doc.CurrentObjects[index];
    const int W = std::max(1, ctx.page.width());
    const int H = std::max(1, ctx.page.height());
    const bool ex = ctx.exerciseRunning();
    const int kind = ctx.targetKind;
    const bool cloze = doc.CurrentHeader.DokTyp == DokLueckentext;
    const int reduction = cloze ? ctx.clozeFontReduction : 0;
    CardLayout L;

    // Anchor and card point.
    L.anchor = QPoint(Round(SafeFraction(o.Sx) * W), Round(SafeFraction(o.Sy) * H));
    double cardX = SafeFraction(o.Kx), cardY = SafeFraction(o.Ky);
    if (ex && (o.Typ == TypMCAntwortText || o.Typ == TypMCAntwortBild) && ctx.exercise &&
        index < static_cast<int>(ctx.exercise->answerMap.size())) {
        const int m = ctx.exercise->answerMap[index];
        if (doc.ValidIndex(m)) {
            cardX = SafeFraction(doc.CurrentObjects[m].Kx);
            cardY = SafeFraction(doc.CurrentObjects[m].Ky);
        }
    }
    L.card = QPoint(Round(cardX * W), Round(cardY * H));
    const QPoint card = L.card;
    const int side = PlacementSide(o, cardX, cardY, ctx.viewAspect);
    L.side = side;

    // Font.
    // Sizes outside -8..100 only come from damaged files.
    const int fsize = std::clamp(o.Fsize, -8, 100);
    const int fontPixels = Round((2.0 * fsize + 22) * ctx.scale) + reduction;
    L.font = ArialPixels(fontPixels, o.Stil & 1, o.Stil & 2, o.Stil & 4);
    const QFontMetrics fm(L.font);
    L.lineHeight = fm.height();

    // Card size.
    const bool picture = IsPictureType(o.Typ) && !o.Bild.isNull();
    L.picture = picture;
    L.text = CardText(o.Cap);
    const QString& text = L.text;
    const int minWidth = ctx.units(30);
    QSize cardSize;
    QSize textSize; // the text itself; the box may be wider
    int textFlags = int(CardTextAlignment(o.TAusr)) | Qt::AlignTop;
    if (picture) {
        const int h = fm.height();
        const int w = o.Bild.height() > 0 ? Round(double(o.Bild.width()) * h / o.Bild.height()) : 0;
        cardSize = QSize(std::max(w, minWidth), h);
    } else if (text.isEmpty() && (o.Typ == TypAbfrage || o.Typ == TypFix)) {
        L.emptyLabel = true;
        cardSize = QSize(0, 0);
    } else {
        QSize ts;
        if (text.isEmpty()) {
            ts = QSize(0, fm.height());
        } else if (o.Typ == TypFrageText || o.Typ == TypMCFragetext) {
            textFlags |= Qt::TextWordWrap;
            const int wrap = std::max(1, W - 2 * card.x());
            ts = fm.boundingRect(QRect(0, 0, wrap, 1 << 20), textFlags, text).size();
            const int lines = std::max(1, (ts.height() + fm.lineSpacing() / 2) / fm.lineSpacing());
            ts.setHeight(lines * fm.height());
        } else {
            // Each line is one text height high, as the text is measured on Windows.
            const QStringList lines = text.split(QLatin1Char('\n'));
            int w = 0;
            for (const QString& l : lines)
                w = std::max(w, TextWidth(L.font, l));
            ts = QSize(w, int(lines.size()) * fm.height());
        }
        if (o.Typ == TypLuecke) ts.rheight() += 4;
        textSize = ts;
        cardSize = QSize(std::max(ts.width(), minWidth), ts.height());
    }
    if (picture) textSize = cardSize;
    L.textFlags = textFlags;

    // Fixed sizes.
    QSize box = cardSize;
    const bool stateBox = IsQueryFieldType(o.Typ) && kind == TargetScreen;
    if (HasTrait(o.Typ, TraitMarker) || HasTrait(o.Typ, TraitQuestionButton))
        box = QSize(ctx.units(30), ctx.units(30));
    else if (stateBox && (o.Abgedeckt == StateOffen || o.Abgedeckt == StateZugeordnet))
        box = QSize(ctx.units(30), ctx.units(30));
    else if (stateBox && (o.Abgedeckt == StateRichtig || o.Abgedeckt == StateFalsch))
        box = QSize(44, 38);

    // Position.
    const int gx = ctx.units(7);
    const int gy = picture ? ctx.units(7) : ctx.units(2);
    QPoint topLeft;
    switch (side) {
    case 3:
        topLeft = QPoint(card.x() - gx - box.width(), card.y() - Round(box.height() / 2.0));
        break;
    case 2:
        topLeft = QPoint(card.x() - Round(box.width() / 2.0), card.y() - gy - box.height());
        break;
    case 4:
        topLeft = QPoint(card.x() - Round(box.width() / 2.0), card.y() + gy);
        break;
    default:
        topLeft = QPoint(card.x() + gx, card.y() - Round(box.height() / 2.0));
        break;
    }
    const QRect boxRect(topLeft, box);
    L.box = boxRect;
    L.breite = (Round(box.width() / 2.0) + gx) / double(W);
    L.hoehe = (Round(box.height() / 2.0) + gy) / double(H);

    // Where the text sits when the box is wider than it.
    QRect textRect(boxRect.topLeft(), textSize);
    if (box.width() > textSize.width()) {
        if (side == 3)
            textRect.moveLeft(boxRect.left() + box.width() - textSize.width());
        else if (side == 2 || side == 4)
            textRect.moveLeft(boxRect.left() + (box.width() - textSize.width()) / 2);
    }
    if (o.Typ == TypLuecke) textRect.translate(0, 2);

    L.textRect = textRect;
    return L;
}

} // namespace bw
