#include "shell/widgets/panels.h"

#include "shell/widgets/hoverbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace bw {

namespace {

QLabel* GroupLabel(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    SetTextColour(l, QColor(81, 81, 78));
    QFont f = l->font();
    f.setPointSize(8);
    l->setFont(f);
    l->setContentsMargins(0, 4, 0, 0);
    return l;
}

// A row of buttons sharing the toolbar width.
QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> items) {
    auto* w = new QWidget(parent);
    auto* lay = new QHBoxLayout(w);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    for (QWidget* i : items) {
        i->setParent(w);
        i->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        lay->addWidget(i);
    }
    return w;
}

QPixmap LogoPixmap() {
    // The window's own family: another family would cost the first frame a font search.
    QFont f;
    f.setPixelSize(14);
    f.setBold(true);
    const QString name = QStringLiteral("Brettwerk");
    const int textLeft = 28;
    const int width = textLeft + QFontMetrics(f).horizontalAdvance(name) + 2;
    QPixmap pm(width, 30);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(70, 125, 187));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 3, 24, 24), 4, 4);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(6, 21), QPointF(18, 9));
    p.setPen(QColor(81, 81, 78));
    p.setFont(f);
    p.drawText(QRectF(textLeft, 0, width - textLeft, 30), Qt::AlignVCenter | Qt::AlignLeft, name);
    return pm;
}

} // namespace

void LernInfoPanel::Build(QWidget* parent) {
    LernInfoPan = new QWidget(parent);
    LernInfoPan->setObjectName(QStringLiteral("LernInfoPan"));
    LernInfoPan->setFixedWidth(kToolbarWidth);
    auto* lay = new QVBoxLayout(LernInfoPan);
    lay->setContentsMargins(4, 2, 4, 4);
    lay->setSpacing(2);
    QWidget* p = LernInfoPan;
    auto btn = [p](const char* name, const QString& caption, const QString& hint,
                   bool checkable = false) {
        QToolButton* b = MakeHoverButton(p, QString::fromLatin1(name), caption, hint, checkable);
        QFont f = b->font();
        f.setPointSizeF(7.5);
        b->setFont(f);
        b->setMinimumWidth(0);
        return b;
    };

    lay->addWidget(GroupLabel(p, QStringLiteral("Mauszeigerfunktion")));
    ZeigerBtn = btn("ZeigerBtn", QStringLiteral("Zeiger"),
                    QStringLiteral("Zeiger zum Auf- und Abdecken von Abfragefeldern"), true);
    HandBtn = btn("HandBtn", QStringLiteral("Hand"), QStringLiteral("Bildausschnitt verschieben"),
                  true);
    lay->addWidget(Row(p, {ZeigerBtn, HandBtn}));
    BeschrEditBtn = btn("BeschrEditBtn", QStringLiteral("Beschriftung bearbeiten"),
                        QStringLiteral("Beschriftung bearbeiten"));
    BeschrEditBtn->setEnabled(false);
    lay->addWidget(Row(p, {BeschrEditBtn}));

    lay->addWidget(GroupLabel(p, QStringLiteral("Zoom")));
    ZoomPan0 = btn("ZoomPan0", QStringLiteral("100%"), QStringLiteral("100%"), true);
    ZoomPan2 = btn("ZoomPan2", QStringLiteral("150%"), QStringLiteral("150%"), true);
    ZoomPan4 = btn("ZoomPan4", QStringLiteral("200%"), QStringLiteral("200%"), true);
    lay->addWidget(Row(p, {ZoomPan0, ZoomPan2, ZoomPan4}));

    lay->addWidget(GroupLabel(p, QStringLiteral("Nummerierung")));
    NummerModeFragez = btn("NummerModeFragez", QStringLiteral("?"),
                           QStringLiteral("Abfragefelder mit Fragezeichen"), true);
    NummerModeSort = btn("NummerModeSort", QStringLiteral("1,2,3"),
                         QStringLiteral("Abfragefelder geordnet nummerieren"), true);
    NummerModeZufall = btn("NummerModeZufall", QStringLiteral("3,1,2"),
                           QStringLiteral("Abfragefelder zufällig nummerieren"), true);
    lay->addWidget(Row(p, {NummerModeFragez, NummerModeSort, NummerModeZufall}));

    lay->addWidget(GroupLabel(p, QStringLiteral("Darstellung")));
    AlleAbdeckenBtn = btn("AlleAbdeckenBtn", QStringLiteral("Abdeck."),
                          QStringLiteral("Alle Abfragefelder abdecken"));
    AlleAufdeckenBtn = btn("AlleAufdeckenBtn", QStringLiteral("Lösung"),
                           QStringLiteral("Alle Abfragefelder aufdecken"));
    lay->addWidget(Row(p, {AlleAbdeckenBtn, AlleAufdeckenBtn}));

    lay->addWidget(GroupLabel(p, QStringLiteral("Ebenen")));
    EbenenPan = new QWidget(p);
    EbenenPan->setObjectName(QStringLiteral("EbenenPan"));
    auto* ebLay = new QVBoxLayout(EbenenPan);
    ebLay->setContentsMargins(0, 0, 0, 0);
    ebLay->setSpacing(0);
    // "&&" in the captions is an escaped ampersand.
    Ebene0Check = new QCheckBox(QStringLiteral(" Basisbild "), EbenenPan);
    Ebene1Check = new QCheckBox(QStringLiteral(" Texte && Bilder "), EbenenPan);
    Ebene2Check = new QCheckBox(QStringLiteral(" Infopunkte "), EbenenPan);
    Ebene0Check->setObjectName(QStringLiteral("Ebene0Check"));
    Ebene1Check->setObjectName(QStringLiteral("Ebene1Check"));
    Ebene2Check->setObjectName(QStringLiteral("Ebene2Check"));
    for (QCheckBox* c : {Ebene0Check, Ebene1Check, Ebene2Check}) {
        c->setChecked(true);
        c->setFocusPolicy(Qt::NoFocus);
        SetTextColour(c, QColor(81, 81, 78));
        ebLay->addWidget(c);
    }
    lay->addWidget(EbenenPan);

    lay->addWidget(GroupLabel(p, QStringLiteral(" Werkzeugeinstellung")));
    StiftBtn = btn("StiftBtn", QStringLiteral("Stift"), QStringLiteral("Zeichenstift"), true);
    RadierBtn = btn("RadierBtn", QStringLiteral("Radierer"), QStringLiteral("Radierer"), true);
    lay->addWidget(Row(p, {StiftBtn, RadierBtn}));
    SymbolBtn = btn("SymbolBtn", QStringLiteral("Stempel"), QStringLiteral("Symbolstempel"), true);
    TexteingabeBtn = btn("TexteingabeBtn", QStringLiteral("Text"), QStringLiteral("Text"), true);
    lay->addWidget(Row(p, {SymbolBtn, TexteingabeBtn}));
    StrichdickeBtn = btn("StrichdickeBtn", QStringLiteral("Größe"), QStringLiteral("Größe"));
    FarbeBtn = btn("FarbeBtn", QStringLiteral("Farbe"), QStringLiteral("Farbe"));
    lay->addWidget(Row(p, {StrichdickeBtn, FarbeBtn}));
    MarkEntfBtn = btn("MarkEntfBtn", QStringLiteral("Alle weg"),
                      QStringLiteral("Alle Zeichnungen entfernen"));
    RueckgaengigBtn = btn("RueckgaengigBtn", QStringLiteral("Zurück"),
                          QStringLiteral("Letzte Zeichenaktion rückgängig machen"));
    lay->addWidget(Row(p, {MarkEntfBtn, RueckgaengigBtn}));

    lay->addWidget(GroupLabel(p, QStringLiteral("Zeichenblatt")));
    BlattBtn = btn("BlattBtn", QStringLiteral("Neues Blatt"), QStringLiteral("Neues Blatt"));
    lay->addWidget(Row(p, {BlattBtn}));
    BlattVerlassenPan = btn("BlattVerlassenPan", QStringLiteral("Zeichenblatt verlassen"),
                            QStringLiteral("Zeichenblatt verlassen"));
    lay->addWidget(Row(p, {BlattVerlassenPan}));
    BildOeffnenBtn =
        btn("BildOeffnenBtn", QStringLiteral("Bild"), QStringLiteral("Bilddatei öffnen"));
    AbdeckerBtn = btn("AbdeckerBtn", QStringLiteral("Abdecker"),
                      QStringLiteral("verschiebbares Abdeckblatt ein-/ausblenden"));
    lay->addWidget(Row(p, {BildOeffnenBtn, AbdeckerBtn}));
    ZuChronikBtn = btn("ZuChronikBtn", QStringLiteral("→Chr."), QStringLiteral("In Chronik ablegen"));
    VonChronikBtn =
        btn("VonChronikBtn", QStringLiteral("Chr.→"), QStringLiteral("Aus Chronik abrufen"));
    lay->addWidget(Row(p, {ZuChronikBtn, VonChronikBtn}));
    TastaturBtn = btn("TastaturBtn", QStringLiteral("Tastatur"), QStringLiteral("Bildschirmtastatur"));
    lay->addWidget(Row(p, {TastaturBtn}));

    lay->addWidget(GroupLabel(p, QStringLiteral("Exportfunktionen")));
    DruckBtn = btn("DruckBtn", QStringLiteral("Druck"), QStringLiteral("Ansicht drucken"));
    ExportBtn = btn("ExportBtn", QStringLiteral("Datei"),
                    QStringLiteral("Ansicht in Bilddatei speichern"));
    ABBtn = btn("ABBtn", QStringLiteral("AB"), QStringLiteral("Arbeitsblatt erstellen"));
    lay->addWidget(Row(p, {DruckBtn, ExportBtn, ABBtn}));
    ClipbordBtn = btn("ClipbordBtn", QStringLiteral("Zw.abl."),
                      QStringLiteral("Ansicht in Zwischenablage kopieren"));
    EMailBtn = btn("EMailBtn", QStringLiteral("E-Mail"),
                   QStringLiteral("Dokument per E-Mail versenden"));
    lay->addWidget(Row(p, {ClipbordBtn, EMailBtn}));

    lay->addWidget(GroupLabel(p, QStringLiteral("Externe Programme")));
    Verknuepfungsfeld1 = btn("Verknuepfungsfeld1", QStringLiteral("V1"),
                             QStringLiteral("Programmverknüpfung 1"));
    Verknuepfungsfeld2 = btn("Verknuepfungsfeld2", QStringLiteral("V2"),
                             QStringLiteral("Programmverknüpfung 2"));
    Verknuepfungsfeld3 = btn("Verknuepfungsfeld3", QStringLiteral("V3"),
                             QStringLiteral("Programmverknüpfung 3"));
    lay->addWidget(Row(p, {Verknuepfungsfeld1, Verknuepfungsfeld2, Verknuepfungsfeld3}));
    lay->addStretch(1);
    FitWidthToCaptions();

    // Tools of the drawing sheet, export, and program links come with their own work.
    for (QToolButton* b :
         {StiftBtn, RadierBtn, MarkEntfBtn, SymbolBtn, TexteingabeBtn, BildOeffnenBtn, AbdeckerBtn,
          StrichdickeBtn, FarbeBtn, RueckgaengigBtn, BlattBtn, BlattVerlassenPan, ZuChronikBtn,
          VonChronikBtn, TastaturBtn, DruckBtn, ExportBtn, ClipbordBtn, ABBtn, EMailBtn,
          Verknuepfungsfeld1, Verknuepfungsfeld2, Verknuepfungsfeld3})
        b->setEnabled(false);
}

void LernInfoPanel::FitWidthToCaptions() {
    // Rows share the width evenly, so a row needs its widest button times its count.
    int needed = 0;
    for (QWidget* w : LernInfoPan->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* row = qobject_cast<QHBoxLayout*>(w->layout())) {
            int widest = 0;
            for (QToolButton* b : w->findChildren<QToolButton*>()) {
                b->ensurePolished();
                widest = std::max(widest, b->sizeHint().width());
            }
            needed = std::max(needed, row->count() * widest + (row->count() - 1) * row->spacing());
        } else {
            w->ensurePolished();
            needed = std::max(needed, w->sizeHint().width());
        }
    }
    const QMargins m = LernInfoPan->layout()->contentsMargins();
    LernInfoPan->setFixedWidth(std::max(kToolbarWidth, needed + m.left() + m.right()));
}

void InfoPanel::Build(QWidget* parent) {
    InfoPan = new QWidget(parent);
    InfoPan->setObjectName(QStringLiteral("InfoPan"));
    InfoPan->setFixedHeight(40);
    auto* lay = new QHBoxLayout(InfoPan);
    lay->setContentsMargins(6, 4, 6, 4);
    lay->setSpacing(4);
    QWidget* p = InfoPan;
    LernKartBtn = MakeHoverButton(p, QStringLiteral("LernKartBtn"), QStringLiteral("Lernansicht"),
                                  QStringLiteral("Lern- und Präsentationsansicht"), true);
    UebungenBtn = MakeHoverButton(p, QStringLiteral("UebungenBtn"),
                                  QStringLiteral("Individual- Übung"), QString(), true);
    NetzUebTeilnehmenBtn =
        MakeHoverButton(p, QStringLiteral("NetzUebTeilnehmenBtn"),
                        QStringLiteral("Netz-Übung teilnehmen"), QString(), true);
    UebungenBtn->setEnabled(false);
    NetzUebTeilnehmenBtn->setEnabled(false);
    for (QToolButton* b : {LernKartBtn, UebungenBtn, NetzUebTeilnehmenBtn}) {
        b->setMinimumWidth(110);
        b->setMinimumHeight(28);
        lay->addWidget(b);
    }

    TitelPan = new QWidget(p);
    TitelPan->setObjectName(QStringLiteral("TitelPan"));
    auto* tl = new QHBoxLayout(TitelPan);
    tl->setContentsMargins(8, 0, 8, 0);
    tl->setSpacing(4);
    PrevDokPan = MakeHoverButton(TitelPan, QStringLiteral("PrevDokPan"), QStringLiteral("<"),
                                 QStringLiteral("vorheriges Dokument öffnen"));
    DokTitelLab = new TitleLabel(TitelPan);
    DokTitelLab->setObjectName(QStringLiteral("DokTitelLab"));
    DokTitelLab->setAlignment(Qt::AlignCenter);
    DokTitelLab->setCursor(Qt::PointingHandCursor);
    QFont tf = DokTitelLab->font();
    tf.setPointSize(tf.pointSize() + 3);
    tf.setBold(true);
    DokTitelLab->setFont(tf);
    SetTextColour(DokTitelLab, QColor(81, 81, 78));
    HoverPanel1 = MakeHoverButton(TitelPan, QStringLiteral("HoverPanel1"), QStringLiteral(">"),
                                  QStringLiteral("nächstes Dokument öffnen"));
    tl->addWidget(PrevDokPan);
    tl->addWidget(DokTitelLab, 1);
    tl->addWidget(HoverPanel1);
    lay->addWidget(TitelPan, 1);

    UebStatusPan = new QWidget(p);
    UebStatusPan->setObjectName(QStringLiteral("UebStatusPan"));
    UebStatusPan->setVisible(false);
    lay->addWidget(UebStatusPan);

    LogoImg = new QLabel(p);
    LogoImg->setObjectName(QStringLiteral("LogoImg"));
    LogoImg->setPixmap(LogoPixmap());
    lay->addWidget(LogoImg);
}

} // namespace bw
