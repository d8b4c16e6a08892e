#pragma once

#include "document/document.h"
#include "view/objectpainter.h"
#include "view/pagebuffer.h"
#include "view/viewstate.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <array>
#include <memory>

class QPainter;
class QRandomGenerator;

namespace bw {

class BandWorker;

// What a click on the view did (the widget turns activations into windows and links).
struct ClickResult {
    enum Kind { Nothing, Toggled, InfoPoint, ExternalLink, InternalLink, QuestionChanged };
    Kind kind = Nothing;
    int index = -1;
};

// The learning view: view state, cached bitmaps and every operation on them, for the
// document it is given. No widgets; the view widget shows ViewImage().
class LearnView : public QObject {
    Q_OBJECT
public:
    explicit LearnView(Document& doc, QObject* parent = nullptr);
    ~LearnView() override;

    // Large pages are drawn in two bands at once, by default where the machine has two cores;
    // off, every page is drawn on the calling thread alone. The pixels are the same either way.
    void SetTwoBands(bool on) { twoBands_ = on; }

    Document& doc() { return doc_; }
    const Document& doc() const { return doc_; }

    // ---- view state ----
    int ZoomIndex = 0;
    double ZoomFactor = 1.0;
    DoubleRect Viewport{0, 0, 1, 1};
    double ViewAspect = 1.0;
    QPoint ScrollOffset{0, 0};

    int NumberMode = 1; // 0 "?", 1 ordered, 2 random
    NumberingList NumberingOrder;
    int CurrentQuestion = 0; // question shown in a question document
    int ClozeFontReduction = 0;

    bool editorOpen = false; // the object editor is open
    int selectedObject = -1; // the editor's object
    // Edits of single objects are not drawn while set: the object editor draws them itself
    // (all objects, or none until "Vorschau" when its automatic preview is off).
    bool holdEditRedraws = false;
    ExerciseDrawState exercise;
    bool exerciseRunning() const { return exercise.running; }

    // ---- bitmaps ----
    const QImage& PageBitmap() const { return page_; }
    // The page to commit the user's drawings into; ObjectPage keeps the page without them.
    QImage& PageBitmapForDrawings();
    const QImage& CleanPage() const { return clean_; }
    // PageBitmap as it was after the objects were drawn. Until drawings are committed the two
    // are the same, and no second copy of the page is kept.
    const QImage& ObjectPage() const { return objectPageIsPage_ ? page_ : objectPage_; }
    // The visible part of ObjectPage; brought up to date on first use after a viewport move.
    const QImage& ViewBackground();
    QImage& DrawLayer() {
        drawLayerTouched_ = true;
        return drawLayer_;
    }
    // The view bitmap (as large as the visible part of the page).
    const QImage& ViewImage() const { return view_; }
    QImage& ViewImage() { return view_; }

    // ---- size, zoom, layers ----
    void SetViewSize(int width, int height); // the picture control's size; no redraw
    QSize ViewSize() const { return control_; }
    void SetZoom(int index);
    void ChangeZoom(int index); // redraws when the index changed
    void ZoomIn();
    void ZoomOut();
    void SetLayerVisible(int layer, bool visible); // no redraw; call RedrawView
    bool LayerVisible(int layer) const;
    bool IsObjectVisible(int index) const;

    // ---- drawing ----
    // Builds the page at the zoomed size, lays out cloze text and question layouts, draws
    // all objects and shows the viewport.
    void RedrawView();
    void RedrawObjects();
    void DrawAllObjects(bool lines, bool updateScreen, bool refresh);
    // Draws one object on target (PageBitmap for the screen, with erase and screen update);
    // worksheet kinds draw on a target of their own.
    void DrawObject(QImage& target, int index, bool lines, bool updateScreen, bool refresh,
                    int targetKind = TargetScreen);
    void DrawObject(int index, bool lines, bool updateScreen, bool refresh) {
        DrawObject(page_, index, lines, updateScreen, refresh, TargetScreen);
    }
    void ShowViewport();

    // Builds the page (base image in its white margin) fitted into width x height at the
    // zoom into target; returns the visible fractions of the page width and height.
    QSizeF RenderPage(QImage& target, int width, int height, double zoom) const;

    // ---- viewport ----
    void BeginPan();                   // a pan press: commits the drawings first
    void Pan(int dx, int dy);          // dx = previous x - x, in pixels of the page bitmap
    void Scroll(double fx, double fy); // by fractions of the viewport's own size
    QPointF ViewToPage(QPointF viewPoint) const; // clamped to [0, 1]
    QPointF PageToView(QPointF pageFraction) const;
    QRect PageRectToView(const DoubleRect& r) const;

    // Where an object's card landed on the screen's page (unset until drawn there).
    const CardPlacement& Card(int index) const;
    // Sets where a card landed, as drawing it would (tests place fields by hand).
    void PlaceCard(int index, const CardPlacement& placement);

    // ---- query fields, numbering, clicks ----
    int HitTestObject(QPoint viewPoint) const;
    void SetNumberMode(int mode, bool redraw, QRandomGenerator* rng = nullptr);
    QString NumberText(int index) const;
    void CoverAll();
    void UncoverAll();
    bool ToggleQueryField(int index); // false when index is no query field
    // Step 4 of a click (left button with the pointer tool, or the middle button).
    ClickResult ClickAt(QPoint viewPoint, QRandomGenerator* rng = nullptr);
    bool HasQuestions() const;
    void SetCurrentQuestion(int q); // clamps to 1..AnzFrageNummern and redraws the objects

    // The generators of cloze, single-question and multiple-choice documents (each does
    // nothing for another type). Every full redraw runs them without rebuild; with rebuild
    // they make their objects anew and the numbering is reapplied. The cloze text is laid out
    // on PageBitmap.
    void BuildClozeObjects(bool rebuild);
    void BuildQuestionObjects(bool rebuild);
    void BuildChoiceObjects(bool rebuild);
    // All three with rebuild: after the content was edited, a new base image or deleting all
    // objects.
    void RebuildGeneratedObjects();

    // Whether a document is present (file, changes, editor, title, texts or objects).
    bool DocumentPresent() const;

    // After a document was read: zoom 100 %, numbering in NumberMode, full redraw. A script
    // that wants the document at another zoom at once gives zoomIndex: the view then looks
    // as after opening and zooming, without drawing the page at 100 % first.
    void DocumentLoaded(int zoomIndex = 0);

    // Scale of the current page bitmap (width / 870).
    double Scale() const;

    // An edit of the document reached this object: redraw just it.
    void ObjectEdited(int index);

    // The page pixels an object covers: its card, its line and the editor's markers.
    QRect ObjectFootprint(int index) const;
    // An object moved from the footprint before: that part of the page and the new one are
    // drawn again with every object reaching into them, and shown. A drag step costs this
    // local redraw, not a full one.
    void RedrawMovedObject(int index, const QRect& before);

signals:
    void viewShown();                            // the whole view bitmap changed
    void viewRectChanged(const QRect& viewRect); // a part of it (view pixels)
    void selectionFrame(const QRect& viewRect, bool shown);
    void viewportMoved();            // reposition the position marker
    void hideStartScreen();          // a document is present at a full redraw
    void drawingUndoInvalidated();   // drawing undo snapshot unavailable
    void commitDrawings();           // before the viewport moves
    void exerciseRepaint();          // the exercise repaints its cards
    void zoomChanged(int zoomIndex); // check the zoom control and menu entry
    void numberModeChanged(int mode);

private:
    // Every working bitmap of the page; white is the page around and under the base image.
    static constexpr QImage::Format kPageFormat = QImage::Format_RGB32;
    static constexpr QRgb kWhite = 0xFFFFFFFF;
    // The page pixels a card's layout covers: its box, its line and the editor's markers.
    static QRect Footprint(const CardLayout& layout, bool line);

    ObjectDrawContext drawContext(QSize page, int targetKind) const;
    // Erases the object's card where it was, then lays it out and draws it.
    void drawObjectWith(QPainter& p, int index, bool lines, bool updateScreen, bool refresh);
    void drawAll(bool lines, bool updateScreen);
    // How the base image reaches the page: prepared once (averaged where it shrinks a lot),
    // then drawn range of rows by range of rows.
    struct BasePlan {
        enum Mode { White, Copy, Draw } mode = White;
        QImage source;
        QRect target;         // where source lands on the page
        bool fillAll = false; // white under the whole page first (a transparent base)
        bool replace = false; // Draw replaces the pixels instead of blending
    };
    BasePlan planBase();
    // The base image after levels halvings, kept for the next redraw.
    QImage halvedBase(const Picture& picture, int levels);
    BandWorker& bands();
    static void DrawBaseRows(QImage& page, const BasePlan& plan, int top, int bottom);
    // Draws every object on a page without cards: the page just built (its copy becomes the
    // clean page) or the clean page copied back. With base, the page is built here first.
    enum class FreshCopy { PageToClean, CleanToPage };
    void drawFreshPage(FreshCopy copy, const BasePlan* base = nullptr);
    void copyBoxToScreen(const QRect& pageRect, bool refresh);
    void fixCardSidesAtFit();
    void drawEditorGrid();
    void notifyShown();

    Document& doc_;
    QSize control_{0, 0};
    std::array<bool, kLayerCount> layers_{true, true, true};

    QImage page_;
    QImage clean_;
    QImage objectPage_;
    bool objectPageIsPage_ = true;
    QImage viewBackground_;
    bool viewBackgroundValid_ = false;
    QImage drawLayer_;
    bool drawLayerTouched_ = false;
    QImage view_;
    std::vector<CardPlacement> cards_;
    bool twoBands_;
    struct Halved {
        qint64 key = 0;
        int levels = 0;
        QImage image;
    } halved_;
    std::unique_ptr<BandWorker> bands_;
    ImageStore pageStore_, cleanStore_, objectStore_, viewStore_, drawLayerStore_,
        viewBackgroundStore_;
};

} // namespace bw
