#include "exercise/widgets/tueboptform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace bw {

namespace {

const QString kNetText = QStringLiteral(
    "Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu initiieren.        Alle "
    "getätigten Einstellungen werden an die Übungsteilnehmer übermittelt.");

QLabel* Illustration(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("color: rgb(90,90,90);"));
    l->setWordWrap(true);
    return l;
}

// Minutes and seconds beside the time-limit group; typing selects the limit.
QWidget* TimeFields(QSpinBox*& min, QSpinBox*& sek, TRadioGroup* group, QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(20, 0, 0, 0);
    min = new QSpinBox(w);
    sek = new QSpinBox(w);
    min->setObjectName(QStringLiteral("ZLimitMin"));
    sek->setObjectName(QStringLiteral("ZLimitSek"));
    for (QSpinBox* s : {min, sek}) {
        s->setRange(0, 59);
        QObject::connect(s, &QSpinBox::valueChanged, group, [group] { group->SetItemIndex(1); });
    }
    row->addWidget(min);
    row->addWidget(sek);
    row->addWidget(new QLabel(QStringLiteral("Min.             Sek. "), w));
    row->addStretch();
    return w;
}

void SetTime(QSpinBox* min, QSpinBox* sek, const QString& m, const QString& s) {
    const QSignalBlocker b1(min), b2(sek);
    const int seconds = TimeLimitSeconds(m, s);
    min->setValue(seconds / 60);
    sek->setValue(seconds % 60);
}

QHBoxLayout* Buttons(QPushButton*& start, QPushButton*& close, QDialog* d) {
    auto* row = new QHBoxLayout;
    start = new QPushButton(QStringLiteral("Übung starten"), d);
    close = new QPushButton(QStringLiteral("Schließen"), d);
    start->setDefault(true);
    QObject::connect(start, &QPushButton::clicked, d, &QDialog::accept);
    QObject::connect(close, &QPushButton::clicked, d, &QDialog::reject);
    row->addStretch();
    row->addWidget(start);
    row->addWidget(close);
    return row;
}

QLabel* NetPanel(QWidget* parent) {
    auto* l = new QLabel(kNetText, parent);
    l->setWordWrap(true);
    l->hide();
    return l;
}

} // namespace

TRadioGroup::TRadioGroup(const QString& name, const QString& caption, const QStringList& items,
                         QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    setObjectName(name);
    auto* lay = new QVBoxLayout(this);
    lay->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        group_->addButton(b, i);
        lay->addWidget(b);
    }
}

int TRadioGroup::ItemIndex() const {
    return std::max(0, group_->checkedId());
}

void TRadioGroup::SetItemIndex(int i) {
    if (QAbstractButton* b = group_->button(i)) b->setChecked(true);
}

TUebOptForm::TUebOptForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TUebOptForm"));
    setWindowTitle(QStringLiteral("Übungseinstellungen für Bildbeschriftung und Lückentext"));
    auto* lay = new QVBoxLayout(this);
    AbfrageModus = new TRadioGroup(QStringLiteral("AbfrageModus"), QStringLiteral(" Abfragemodus "),
                                   {QStringLiteral(" Freie Zuordnung "),
                                    QStringLiteral(" Einzelabfrage Texte "),
                                    QStringLiteral(" Einzelabfrage Positionen ")},
                                   this);
    Zeitlimit = new TRadioGroup(QStringLiteral("Zeitlimit"), QStringLiteral(" Zeitlimit "),
                                {QStringLiteral(" Ohne Zeitlimit, mit Uhr "),
                                 QStringLiteral(" Mit Zeitlimit: "),
                                 QStringLiteral(" Ohne Zeitlimit, ohne Uhr ")},
                                this);
    auto* top = new QHBoxLayout;
    auto* modeCol = new QVBoxLayout;
    modeCol->addWidget(AbfrageModus);
    modeCol->addWidget(Illustration(
        QStringLiteral("Texte in beliebiger Reihenfolge zuordnen\nBei der Einzelabfrage werden "
                       "Texte bzw. Positionen einzeln vorgegeben."),
        this));
    top->addLayout(modeCol);
    auto* timeCol = new QVBoxLayout;
    timeCol->addWidget(Zeitlimit);
    timeCol->addWidget(TimeFields(ZLimitMin, ZLimitSek, Zeitlimit, this));
    top->addLayout(timeCol);
    lay->addLayout(top);

    extendedPart_ = new QWidget(this);
    auto* ext = new QHBoxLayout(extendedPart_);
    ext->setContentsMargins(0, 0, 0, 0);
    ZuordnungRichtig = new TRadioGroup(
        QStringLiteral("ZuordnungRichtig"), QStringLiteral(" Verhalten bei richtiger Zuordnung "),
        {QStringLiteral(" Beschriftung einblenden "), QStringLiteral(" Grünes Häkchen setzen ")},
        extendedPart_);
    Zuordnungstexte = new TRadioGroup(
        QStringLiteral("Zuordnungstexte"), QStringLiteral(" Zuordnungstexte "),
        {QStringLiteral(" Alphabetisch geordnet "), QStringLiteral(" Zufällig gemischt ")},
        extendedPart_);
    ZuordnungFalsch =
        new TRadioGroup(QStringLiteral("ZuordnungFalsch"),
                        QStringLiteral(" Verhalten bei falscher Zuordnung (Fehlversuch) "),
                        {QStringLiteral(" Beliebig viele Zuordnungsversuche erlaubt "),
                         QStringLiteral(" Rotes Kreuz setzen,  ")},
                        extendedPart_);
    ZuordnungFalsch->layout()->addWidget(new QLabel(
        QStringLiteral("      keine erneute Zuordnung an dieser Position"), ZuordnungFalsch));
    Zuordnungsziele = new TRadioGroup(
        QStringLiteral("Zuordnungsziele"), QStringLiteral(" Zuordnungsziele (Positionen) "),
        {QStringLiteral(" Geordnet nummeriert "), QStringLiteral(" Zufällig gemischt nummeriert "),
         QStringLiteral(" Fragezeichen ")},
        extendedPart_);
    auto* left = new QVBoxLayout;
    left->addWidget(ZuordnungRichtig);
    left->addWidget(Illustration(QStringLiteral("Text"), extendedPart_));
    left->addWidget(Zuordnungstexte);
    left->addWidget(Illustration(QStringLiteral("A B C D ...    B D A C ..."), extendedPart_));
    auto* right = new QVBoxLayout;
    right->addWidget(ZuordnungFalsch);
    right->addWidget(Zuordnungsziele);
    right->addWidget(
        Illustration(QStringLiteral("1 2 3 4 ...    2 4 1 3 ...    ?"), extendedPart_));
    ext->addLayout(left);
    ext->addLayout(right);
    lay->addWidget(extendedPart_);

    NetzPan = NetPanel(this);
    lay->addWidget(NetzPan);
    VorJederUebung =
        new QCheckBox(QStringLiteral(" Dieses Dialogfenster vor jeder Übung anzeigen "), this);
    VorJederUebung->setChecked(true);
    lay->addWidget(VorJederUebung);
    auto* buttons = Buttons(StartBtn, SchliessenBtn, this);
    ErweitertBtn = new QPushButton(QStringLiteral("Erweitert..."), this);
    buttons->insertWidget(0, ErweitertBtn);
    lay->addLayout(buttons);
    connect(ErweitertBtn, &QPushButton::clicked, this, [this] { SetExtended(!extended_); });
    SetOptions(ExerciseOptions{});
    SetExtended(false);
}

void TUebOptForm::SetExtended(bool on) {
    extended_ = on;
    extendedPart_->setVisible(on);
    ErweitertBtn->setText(on ? QStringLiteral("Reduziert...") : QStringLiteral("Erweitert..."));
    const int h = on ? 514 : 276;
    setFixedSize(std::max(620, sizeHint().width()), h);
    // Keep the bottom at least 80 px above the bottom of the screen.
    if (const QScreen* s = screen()) {
        const int limit = s->availableGeometry().bottom() - 80;
        if (geometry().bottom() > limit) move(x(), std::max(0, limit - height()));
    }
}

void TUebOptForm::SetOptions(const ExerciseOptions& o) {
    AbfrageModus->SetItemIndex(o.AbfrageModus);
    Zeitlimit->SetItemIndex(o.ZeitLimit);
    ZuordnungRichtig->SetItemIndex(o.ZuordnungRichtig);
    ZuordnungFalsch->SetItemIndex(o.ZuordnungFalsch);
    Zuordnungstexte->SetItemIndex(o.Zuordnungstexte);
    Zuordnungsziele->SetItemIndex(o.Zuordnungsziele);
    SetTime(ZLimitMin, ZLimitSek, o.ZLimitMin, o.ZLimitSek);
    VorJederUebung->setChecked(o.ShowBeforeEachExercise);
}

void TUebOptForm::ReadInto(ExerciseOptions& o) const {
    o.AbfrageModus = AbfrageModus->ItemIndex();
    o.ZeitLimit = Zeitlimit->ItemIndex();
    o.ZuordnungRichtig = ZuordnungRichtig->ItemIndex();
    o.ZuordnungFalsch = ZuordnungFalsch->ItemIndex();
    o.Zuordnungstexte = Zuordnungstexte->ItemIndex();
    o.Zuordnungsziele = Zuordnungsziele->ItemIndex();
    o.ZLimitMin = QString::number(ZLimitMin->value());
    o.ZLimitSek = QString::number(ZLimitSek->value());
    o.ShowBeforeEachExercise = VorJederUebung->isChecked();
}

void TUebOptForm::done(int r) {
    NetzPan->hide();
    setWindowTitle(QStringLiteral("Übungseinstellungen für Bildbeschriftung und Lückentext"));
    QDialog::done(r);
}

TUebOptFragenForm::TUebOptFragenForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TUebOptFragenForm"));
    setWindowTitle(
        QStringLiteral("Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen"));
    auto* lay = new QVBoxLayout(this);
    ZuordnungFalsch = new TRadioGroup(
        QStringLiteral("ZuordnungFalsch"), QStringLiteral(" Abfragemodus "),
        {QStringLiteral(" Solange wiederholen, bis jede Frage richtig beantwortet wurde "),
         QStringLiteral(" Jede Frage nur einmal stellen ")},
        this);
    Zuordnungstexte = new TRadioGroup(QStringLiteral("Zuordnungstexte"),
                                      QStringLiteral(" Reihenfolge der Antwortvorgaben "),
                                      {QStringLiteral(" Alphabetisch / Wie vorgegeben geordnet "),
                                       QStringLiteral(" Zufällig gemischt ")},
                                      this);
    Zuordnungsziele = new TRadioGroup(
        QStringLiteral("Zuordnungsziele"), QStringLiteral(" Reihenfolge der Fragen "),
        {QStringLiteral(" Wie vorgegeben geordnet "), QStringLiteral(" Zufällig gemischt ")}, this);
    Zeitlimit = new TRadioGroup(QStringLiteral("Zeitlimit"), QStringLiteral(" Zeitlimit "),
                                {QStringLiteral(" Ohne Zeitlimit, mit Uhr "),
                                 QStringLiteral(" Zeitlimit von: "),
                                 QStringLiteral(" Ohne Zeitlimit, ohne Uhr ")},
                                this);
    lay->addWidget(ZuordnungFalsch);
    lay->addWidget(Zuordnungstexte);
    lay->addWidget(Zuordnungsziele);
    lay->addWidget(Zeitlimit);
    lay->addWidget(TimeFields(ZLimitMin, ZLimitSek, Zeitlimit, this));
    NetzPan = NetPanel(this);
    lay->addWidget(NetzPan);
    VorJederUebung =
        new QCheckBox(QStringLiteral(" Dieses Dialogfenster vor jeder Übung anzeigen "), this);
    VorJederUebung->setChecked(true);
    lay->addWidget(VorJederUebung);
    lay->addLayout(Buttons(StartBtn, SchliessenBtn, this));
    SetOptions(ExerciseOptions{});
}

void TUebOptFragenForm::PrepareFor(int dokTyp) {
    auto* first = Zuordnungstexte->buttons()->button(0);
    first->setText(dokTyp == 3 ? QStringLiteral(" Wie vorgegeben geordnet ")
                               : QStringLiteral(" Alphabetisch geordnet "));
}

void TUebOptFragenForm::SetOptions(const ExerciseOptions& o) {
    ZuordnungFalsch->SetItemIndex(o.FragenZuordnungFalsch);
    Zuordnungstexte->SetItemIndex(o.FragenZuordnungstexte);
    Zuordnungsziele->SetItemIndex(o.FragenZuordnungsziele);
    Zeitlimit->SetItemIndex(o.FragenZeitlimit);
    SetTime(ZLimitMin, ZLimitSek, o.FragenZLimitMin, o.FragenZLimitSek);
    VorJederUebung->setChecked(o.ShowBeforeEachExercise);
}

void TUebOptFragenForm::ReadInto(ExerciseOptions& o) const {
    o.FragenZuordnungFalsch = ZuordnungFalsch->ItemIndex();
    o.FragenZuordnungstexte = Zuordnungstexte->ItemIndex();
    o.FragenZuordnungsziele = Zuordnungsziele->ItemIndex();
    o.FragenZeitlimit = Zeitlimit->ItemIndex();
    o.FragenZLimitMin = QString::number(ZLimitMin->value());
    o.FragenZLimitSek = QString::number(ZLimitSek->value());
    o.ShowBeforeEachExercise = VorJederUebung->isChecked();
}

void TUebOptFragenForm::done(int r) {
    NetzPan->hide();
    setWindowTitle(
        QStringLiteral("Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen"));
    QDialog::done(r);
}

} // namespace bw
