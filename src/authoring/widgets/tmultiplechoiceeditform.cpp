#include "authoring/widgets/tmultiplechoiceeditform.h"

#include "authoring/contenttext.h"
#include "authoring/newdocument.h"
#include "authoring/widgets/contenttextform.h"
#include "common/messages.h"
#include "document/commalist.h"
#include "platform/prompter.h"

#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bw {

namespace {

QPushButton* Button(QWidget* parent, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

QLabel* PictureView(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFrameShape(QFrame::Box);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumSize(200, 130);
    l->setStyleSheet(QStringLiteral("background: white;"));
    return l;
}

// A picture shrinks to fit only when it is larger than the view.
void ShowPicture(QLabel* view, const QImage& image) {
    if (image.isNull() || image.width() == 0 || image.height() == 0) {
        view->clear();
        return;
    }
    QImage shown = image;
    const QSize room = view->contentsRect().size();
    if (image.width() > room.width() || image.height() > room.height())
        shown = image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    view->setPixmap(QPixmap::fromImage(shown));
}

QImage MakeLeerBild() {
    QImage img(96, 64, QImage::Format_RGB32);
    img.fill(QColor(235, 235, 235));
    QPainter p(&img);
    p.setPen(QColor(150, 150, 150));
    p.drawRect(0, 0, 95, 63);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(28);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return img;
}

const QString kBildInfo =
    QStringLiteral("Bitte zunächst die gewünschte Antwortbild-Nummer in der Liste markieren oder "
                   "mittels \"Neue Antwort\" neu erstellen.");

} // namespace

TMultipleChoiceEditForm::TMultipleChoiceEditForm(QWidget* parent)
    : QDialog(parent), leerBild_(MakeLeerBild()) {
    setObjectName(QStringLiteral("MultipleChoiceEditForm"));
    setWindowTitle(QStringLiteral("Multiple-Choice-Fragen bearbeiten"));
    resize(992, 598);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(
        new QLabel(QStringLiteral("Geben Sie hier Ihre Multiple-Choice-Fragen ein."), this));
    auto* grid = new QGridLayout;
    outer->addLayout(grid, 1);

    // Question list.
    auto* listBox = new QVBoxLayout;
    FrageListBox = new QListWidget(this);
    FrageListBox->setObjectName(QStringLiteral("FrageListBox"));
    auto* listLabel = new QLabel(QStringLiteral("Frage-&Nummer:"), this);
    listLabel->setBuddy(FrageListBox);
    listBox->addWidget(listLabel);
    listBox->addWidget(FrageListBox, 1);
    QPushButton* neu = Button(this, QStringLiteral("Neue Frage"));
    QPushButton* dup = Button(this, QStringLiteral("Duplizieren"));
    QPushButton* del = Button(this, QStringLiteral("Löschen"));
    QPushButton* up = Button(this, QStringLiteral("nach oben"));
    QPushButton* down = Button(this, QStringLiteral("nach unten"));
    for (QPushButton* b : {neu, dup, del, up, down})
        listBox->addWidget(b);
    grid->addLayout(listBox, 0, 0, 2, 1);

    // Question text and picture.
    auto* textBox = new QVBoxLayout;
    FrageMemo = new QPlainTextEdit(this);
    FrageMemo->setObjectName(QStringLiteral("FrageMemo"));
    auto* textLabel = new QLabel(QStringLiteral("&Fragetext:"), this);
    textLabel->setBuddy(FrageMemo);
    textBox->addWidget(textLabel);
    textBox->addWidget(FrageMemo, 1);
    auto* textButtons = new QHBoxLayout;
    QPushButton* textFile = Button(this, QStringLiteral("aus Datei einfügen..."));
    QPushButton* textPaste = Button(this, QStringLiteral("aus Zw.abl. einfügen"));
    QPushButton* textCopy = Button(this, QStringLiteral("In Zw.abl. kopieren"));
    for (QPushButton* b : {textFile, textPaste, textCopy})
        textButtons->addWidget(b);
    textBox->addLayout(textButtons);
    grid->addLayout(textBox, 0, 1);

    auto* picBox = new QVBoxLayout;
    picBox->addWidget(new QLabel(QStringLiteral("Bild zur Frage (optional):"), this));
    BildMemo = PictureView(this);
    BildMemo->setObjectName(QStringLiteral("BildMemo"));
    picBox->addWidget(BildMemo, 1);
    auto* picGroup = new QGroupBox(QStringLiteral("Bild einfügen..."), this);
    auto* picButtons = new QGridLayout(picGroup);
    QPushButton* picPaste = Button(picGroup, QStringLiteral("aus Zwisch.abl."));
    QPushButton* picFile = Button(picGroup, QStringLiteral("aus Datei..."));
    QPushButton* picCopy = Button(picGroup, QStringLiteral("In Zw.abl. kopieren"));
    QPushButton* picDelete = Button(picGroup, QStringLiteral("Löschen"));
    picButtons->addWidget(picPaste, 0, 0);
    picButtons->addWidget(picFile, 0, 1);
    picButtons->addWidget(picCopy, 1, 0);
    picButtons->addWidget(picDelete, 1, 1);
    picBox->addWidget(picGroup);
    grid->addLayout(picBox, 0, 2);

    // Answers.
    auto* answerBox = new QVBoxLayout;
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(new QLabel(QStringLiteral("Art der Antwortvorgaben:"), this));
    TextAntwortenRadio = new QRadioButton(QStringLiteral(" &Text-Antworten "), this);
    BildAntwortenRadio = new QRadioButton(QStringLiteral(" &Bild-Antworten "), this);
    TextAntwortenRadio->setChecked(true);
    kindRow->addWidget(TextAntwortenRadio);
    kindRow->addWidget(BildAntwortenRadio);
    kindRow->addStretch(1);
    answerBox->addLayout(kindRow);

    TextAntwortPanel = new QWidget(this);
    auto* textPanel = new QGridLayout(TextAntwortPanel);
    textPanel->setContentsMargins(0, 0, 0, 0);
    AntwortMemo = new QPlainTextEdit(TextAntwortPanel);
    AntwortMemo->setObjectName(QStringLiteral("AntwortMemo"));
    auto* answerLabel = new QLabel(
        QStringLiteral("Text-&Antworten  (+ zutreffende, - nicht zutreffende, insgesamt maximal "
                       "12 Antwortvorgaben zu jeder Frage möglich):"),
        TextAntwortPanel);
    answerLabel->setBuddy(AntwortMemo);
    textPanel->addWidget(answerLabel, 0, 0, 1, 2);
    textPanel->addWidget(AntwortMemo, 1, 0, 4, 1);
    auto* help = new QLabel(
        QStringLiteral("Geben Sie im linken Feld zeilenweise die Antwortvorgaben zur Frage ein. "
                       "Beginnen Sie zutreffende Antworten mit einem Plus-Zeichen und nicht "
                       "zutreffende Antworten mit einem Minus-Zeichen:"),
        TextAntwortPanel);
    help->setWordWrap(true);
    textPanel->addWidget(help, 1, 1);
    textPanel->addWidget(new QLabel(QStringLiteral("+ zutreffende Antwort"), TextAntwortPanel), 2,
                         1);
    textPanel->addWidget(
        new QLabel(QStringLiteral("- nicht zutreffende Antwort"), TextAntwortPanel), 3, 1);
    QPushButton* font = Button(TextAntwortPanel, QStringLiteral("Editor-Schriftart..."));
    font->setObjectName(QStringLiteral("EditorSchriftartBtn"));
    textPanel->addWidget(font, 4, 1, Qt::AlignBottom);
    textPanel->setColumnStretch(0, 3);
    textPanel->setColumnStretch(1, 2);
    answerBox->addWidget(TextAntwortPanel, 1);

    BildAntwortPanel = new QWidget(this);
    auto* bildPanel = new QGridLayout(BildAntwortPanel);
    bildPanel->setContentsMargins(0, 0, 0, 0);
    BildAntwListBox = new QListWidget(BildAntwortPanel);
    BildAntwListBox->setObjectName(QStringLiteral("BildAntwListBox"));
    auto* nrLabel = new QLabel(QStringLiteral("&Antwortbild-Nr.:"), BildAntwortPanel);
    nrLabel->setBuddy(BildAntwListBox);
    bildPanel->addWidget(nrLabel, 0, 0);
    bildPanel->addWidget(BildAntwListBox, 1, 0, 5, 1);
    QPushButton* aNeu = Button(BildAntwortPanel, QStringLiteral("Neue Antwort"));
    QPushButton* aDel = Button(BildAntwortPanel, QStringLiteral("Löschen"));
    QPushButton* aUp = Button(BildAntwortPanel, QStringLiteral("nach oben"));
    QPushButton* aDown = Button(BildAntwortPanel, QStringLiteral("nach unten"));
    int r = 1;
    for (QPushButton* b : {aNeu, aDel, aUp, aDown})
        bildPanel->addWidget(b, r++, 1);
    auto* isGroup = new QGroupBox(QStringLiteral("Antwortbild ist..."), BildAntwortPanel);
    auto* isLay = new QVBoxLayout(isGroup);
    ZutreffendRadio = new QRadioButton(QStringLiteral(" &zutreffend (+) "), isGroup);
    NichtZutreffendRadio = new QRadioButton(QStringLiteral(" n&icht zutreffend (-) "), isGroup);
    isLay->addWidget(ZutreffendRadio);
    isLay->addWidget(NichtZutreffendRadio);
    bildPanel->addWidget(isGroup, 1, 2, 2, 1);
    bildPanel->addWidget(new QLabel(QStringLiteral("Antwortbild:"), BildAntwortPanel), 0, 3);
    BildAntwMemo = PictureView(BildAntwortPanel);
    BildAntwMemo->setObjectName(QStringLiteral("BildAntwMemo"));
    bildPanel->addWidget(BildAntwMemo, 1, 3, 4, 1);
    auto* aPicGroup = new QGroupBox(QStringLiteral("Bild einfügen..."), BildAntwortPanel);
    auto* aPicLay = new QHBoxLayout(aPicGroup);
    QPushButton* aPaste = Button(aPicGroup, QStringLiteral("aus Zwisch.abl."));
    QPushButton* aFile = Button(aPicGroup, QStringLiteral("aus Datei..."));
    QPushButton* aCopy = Button(aPicGroup, QStringLiteral("In Zw.abl. kopieren"));
    for (QPushButton* b : {aPaste, aFile, aCopy})
        aPicLay->addWidget(b);
    bildPanel->addWidget(aPicGroup, 5, 3);
    auto* aHelp = new QLabel(
        QStringLiteral("Fügen Sie links die Antwortbilder zur jeweiligen Frage ein und markieren "
                       "Sie bei jedem Bild, ob es zutreffend oder nicht zutreffend ist."),
        BildAntwortPanel);
    aHelp->setWordWrap(true);
    bildPanel->addWidget(aHelp, 3, 2, 3, 1);
    BildAntwortPanel->hide();
    answerBox->addWidget(BildAntwortPanel, 1);
    grid->addLayout(answerBox, 1, 1, 1, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    grid->setRowStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    QPushButton* all = Button(this, QStringLiteral("Alles löschen"));
    bottom->addWidget(all);
    bottom->addStretch(1);
    OKBtn = Button(this, QStringLiteral("OK"));
    OKBtn->setDefault(true);
    AbbrBtn = Button(this, QStringLiteral("Abbrechen"));
    bottom->addWidget(OKBtn);
    bottom->addWidget(AbbrBtn);
    outer->addLayout(bottom);

    for (QPlainTextEdit* memo : {FrageMemo, AntwortMemo}) {
        memo->setTabChangesFocus(true);
        memo->installEventFilter(this);
    }

    connect(FrageListBox, &QListWidget::currentRowChanged, this, [this](int) {
        if (!showing_) ShowQuestion();
    });
    connect(neu, &QPushButton::clicked, this, [this] { NeueFrage(); });
    connect(dup, &QPushButton::clicked, this, [this] { Duplizieren(); });
    connect(del, &QPushButton::clicked, this, [this] { FrageLoeschen(); });
    connect(up, &QPushButton::clicked, this, [this] { FrageVerschieben(-1); });
    connect(down, &QPushButton::clicked, this, [this] { FrageVerschieben(1); });
    connect(all, &QPushButton::clicked, this, [this] { AllesLoeschen(); });
    connect(textFile, &QPushButton::clicked, this, [this] { InsertTextFile(FrageMemo); });
    connect(textPaste, &QPushButton::clicked, this,
            [this] { FrageMemo->setPlainText(QGuiApplication::clipboard()->text()); });
    connect(textCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(FrageMemo->toPlainText()); });
    connect(picPaste, &QPushButton::clicked, this, [this] { PictureFromClipboard(false); });
    connect(picFile, &QPushButton::clicked, this, [this] { PictureFromFile(false); });
    connect(picCopy, &QPushButton::clicked, this, [this] {
        if (ChoiceQuestion* q = Current(); q && !q->picture.isNull())
            QGuiApplication::clipboard()->setImage(q->picture);
    });
    connect(picDelete, &QPushButton::clicked, this, [this] { SetQuestionPicture(QImage()); });
    connect(TextAntwortenRadio, &QRadioButton::toggled, this, [this](bool text) {
        TextAntwortPanel->setVisible(text);
        BildAntwortPanel->setVisible(!text);
        if (showing_) return;
        if (ChoiceQuestion* q = Current()) q->kind = text ? 0 : 1;
    });
    connect(font, &QPushButton::clicked, this, &TMultipleChoiceEditForm::editorFontRequested);
    connect(BildAntwListBox, &QListWidget::currentRowChanged, this, [this](int) {
        if (!showing_) ShowAnswer();
    });
    connect(aNeu, &QPushButton::clicked, this, [this] { NeueAntwort(); });
    connect(aDel, &QPushButton::clicked, this, [this] { AntwortLoeschen(); });
    connect(aUp, &QPushButton::clicked, this, [this] { AntwortVerschieben(-1); });
    connect(aDown, &QPushButton::clicked, this, [this] { AntwortVerschieben(1); });
    connect(ZutreffendRadio, &QRadioButton::toggled, this, [this](bool applies) {
        ChoiceQuestion* q = Current();
        const int k = BildAntwListBox->currentRow();
        if (showing_ || !q || k < 0 || k >= q->pictureCount) return;
        q->applies[k] = applies;
        Relabel();
    });
    connect(aPaste, &QPushButton::clicked, this, [this] { PictureFromClipboard(true); });
    connect(aFile, &QPushButton::clicked, this, [this] { PictureFromFile(true); });
    connect(aCopy, &QPushButton::clicked, this, [this] {
        ChoiceQuestion* q = Current();
        const int k = BildAntwListBox->currentRow();
        if (q && k >= 0 && k < q->pictureCount)
            QGuiApplication::clipboard()->setImage(q->pictures[k]);
    });
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        StoreTexts();
        accept();
    });
    connect(AbbrBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TMultipleChoiceEditForm::Load(std::vector<ChoiceQuestion> questions) {
    qs_ = std::move(questions);
    showing_ = true;
    FrageListBox->clear();
    for (size_t i = 0; i < qs_.size(); ++i)
        FrageListBox->addItem(QStringLiteral("Frage %1").arg(i + 1));
    showing_ = false;
    if (qs_.empty()) {
        NeueFrage();
        return;
    }
    SelectQuestion(0);
    FrageListBox->setFocus();
}

std::vector<ChoiceQuestion> TMultipleChoiceEditForm::Questions() {
    StoreTexts();
    return qs_;
}

void TMultipleChoiceEditForm::SetEditorFont(const QFont& font) {
    FrageMemo->setFont(font);
    AntwortMemo->setFont(font);
}

ChoiceQuestion* TMultipleChoiceEditForm::Current() {
    const int row = FrageListBox->currentRow();
    return row >= 0 && row < int(qs_.size()) ? &qs_[row] : nullptr;
}

bool TMultipleChoiceEditForm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusOut && (o == FrageMemo || o == AntwortMemo)) StoreTexts();
    return QDialog::eventFilter(o, e);
}

void TMultipleChoiceEditForm::StoreTexts() {
    ChoiceQuestion* q = Current();
    if (!q || showing_) return;
    q->question = TrimBlanks(FrageMemo->toPlainText());
    const QString signedLines = SignedAnswerLines(AntwortMemo->toPlainText());
    const QString shown =
        QString(signedLines).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown != AntwortMemo->toPlainText()) AntwortMemo->setPlainText(shown);
    q->answer = TrimBlanks(signedLines);
}

void TMultipleChoiceEditForm::SelectQuestion(int row) {
    showing_ = true;
    FrageListBox->setCurrentRow(row);
    showing_ = false;
    ShowQuestion();
}

void TMultipleChoiceEditForm::ShowQuestion() {
    showing_ = true;
    const ChoiceQuestion* q = Current();
    FrageMemo->setPlainText(q ? q->question : QString());
    AntwortMemo->setPlainText(
        q ? QString(q->answer).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : QString());
    ShowPicture(BildMemo, q ? q->picture : QImage());
    (q && q->kind == 1 ? BildAntwortenRadio : TextAntwortenRadio)->setChecked(true);
    BildAntwListBox->clear();
    if (q)
        for (int n = 0; n < q->pictureCount; ++n)
            BildAntwListBox->addItem(QString());
    showing_ = false;
    Relabel();
    if (BildAntwListBox->count() > 0) BildAntwListBox->setCurrentRow(0);
    ShowAnswer();
}

void TMultipleChoiceEditForm::ShowAnswer() {
    const ChoiceQuestion* q = Current();
    const int k = BildAntwListBox->currentRow();
    showing_ = true;
    if (q && k >= 0 && k < q->pictureCount) {
        (q->applies[k] ? ZutreffendRadio : NichtZutreffendRadio)->setChecked(true);
        ShowPicture(BildAntwMemo, q->pictures[k]);
    } else {
        ShowPicture(BildAntwMemo, QImage());
    }
    showing_ = false;
}

void TMultipleChoiceEditForm::Relabel() {
    const ChoiceQuestion* q = Current();
    for (int n = 0; q && n < BildAntwListBox->count() && n < q->pictureCount; ++n)
        BildAntwListBox->item(n)->setText(
            QStringLiteral("%1 Bild %2")
                .arg(q->applies[n] ? QLatin1Char('+') : QLatin1Char('-'))
                .arg(n + 1));
}

void TMultipleChoiceEditForm::NeueFrage() {
    StoreTexts();
    ChoiceQuestion q;
    // Every new question starts with one applying placeholder picture answer.
    q.pictureCount = 1;
    q.pictures[0] = leerBild_;
    qs_.push_back(std::move(q));
    FrageListBox->addItem(QStringLiteral("Frage %1").arg(qs_.size()));
    SelectQuestion(int(qs_.size()) - 1);
    FrageMemo->setFocus();
}

void TMultipleChoiceEditForm::Duplizieren() {
    StoreTexts();
    const int row = FrageListBox->currentRow();
    if (row < 0 || row >= int(qs_.size())) return;
    ChoiceQuestion copy = DuplicateChoiceQuestion(qs_[row]);
    NeueFrage();
    qs_.back() = std::move(copy);
    ShowQuestion();
}

void TMultipleChoiceEditForm::FrageLoeschen() {
    const int row = FrageListBox->currentRow();
    if (row < 0 || row >= int(qs_.size())) return;
    if (!prompter().AskYesNo(QStringLiteral("Die aktuelle Frage Nr. %1 löschen?").arg(row + 1)))
        return;
    qs_.erase(qs_.begin() + row);
    showing_ = true;
    delete FrageListBox->takeItem(row);
    for (int i = 0; i < FrageListBox->count(); ++i)
        FrageListBox->item(i)->setText(QStringLiteral("Frage %1").arg(i + 1));
    showing_ = false;
    if (qs_.empty()) {
        NeueFrage();
        return;
    }
    SelectQuestion(std::min(row, int(qs_.size()) - 1));
}

void TMultipleChoiceEditForm::FrageVerschieben(int delta) {
    StoreTexts();
    const int row = FrageListBox->currentRow();
    const int to = row + delta;
    if (row < 0 || to < 0 || to >= int(qs_.size())) return;
    std::swap(qs_[row], qs_[to]);
    SelectQuestion(to);
}

void TMultipleChoiceEditForm::AllesLoeschen() {
    if (!prompter().AskYesNo(QStringLiteral("Alle Fragen löschen?"))) return;
    qs_.clear();
    showing_ = true;
    FrageListBox->clear();
    showing_ = false;
    NeueFrage();
}

bool TMultipleChoiceEditForm::NeedsAnswerSelection() {
    const ChoiceQuestion* q = Current();
    const int k = BildAntwListBox->currentRow();
    if (q && k >= 0 && k < q->pictureCount) return false;
    prompter().ShowInfo(kBildInfo);
    return true;
}

void TMultipleChoiceEditForm::NeueAntwort() {
    ChoiceQuestion* q = Current();
    if (!q) return;
    if (q->pictureCount >= kMaxAnswerPictures) {
        prompter().ShowInfo(QStringLiteral("Es sind maximal 12 Antwortbilder pro Frage möglich."));
        return;
    }
    const int k = q->pictureCount++;
    q->pictures[k] = leerBild_;
    q->applies[k] = true;
    BildAntwListBox->addItem(QString());
    Relabel();
    BildAntwListBox->setCurrentRow(k);
    ShowAnswer();
}

void TMultipleChoiceEditForm::AntwortLoeschen() {
    ChoiceQuestion* q = Current();
    const int k = BildAntwListBox->currentRow();
    if (!q || k < 0 || k >= q->pictureCount) return;
    if (!prompter().AskYesNo(
            QStringLiteral("Die aktuelle Bild-Antwort Nr. %1 löschen?").arg(k + 1)))
        return;
    for (int n = k; n + 1 < q->pictureCount; ++n) {
        q->applies[n] = q->applies[n + 1];
        q->pictures[n] = q->pictures[n + 1];
    }
    --q->pictureCount;
    q->pictures[q->pictureCount] = QImage();
    q->applies[q->pictureCount] = true;
    showing_ = true;
    delete BildAntwListBox->takeItem(BildAntwListBox->count() - 1);
    showing_ = false;
    Relabel();
    if (q->pictureCount == 0) {
        NeueAntwort();
        return;
    }
    BildAntwListBox->setCurrentRow(std::min(k, q->pictureCount - 1));
    ShowAnswer();
}

void TMultipleChoiceEditForm::AntwortVerschieben(int delta) {
    ChoiceQuestion* q = Current();
    const int k = BildAntwListBox->currentRow();
    const int to = k + delta;
    if (!q || k < 0 || to < 0 || to >= q->pictureCount) return;
    std::swap(q->applies[k], q->applies[to]);
    std::swap(q->pictures[k], q->pictures[to]);
    Relabel();
    BildAntwListBox->setCurrentRow(to);
    ShowAnswer();
}

void TMultipleChoiceEditForm::SetQuestionPicture(const QImage& image) {
    ChoiceQuestion* q = Current();
    if (!q) return;
    q->picture = image;
    ShowPicture(BildMemo, image);
}

void TMultipleChoiceEditForm::SetAnswerPicture(const QImage& image) {
    ChoiceQuestion* q = Current();
    const int k = BildAntwListBox->currentRow();
    if (!q || k < 0 || k >= q->pictureCount) return;
    q->pictures[k] = image;
    ShowAnswer();
}

void TMultipleChoiceEditForm::PictureFromClipboard(bool answer) {
    if (answer && NeedsAnswerSelection()) return;
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        prompter().ShowInfo(QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
        return;
    }
    answer ? SetAnswerPicture(image) : SetQuestionPicture(image);
}

void TMultipleChoiceEditForm::PictureFromFile(bool answer) {
    if (answer && NeedsAnswerSelection()) return;
    QImage image;
    if (!AskAuthoringPicture(QStringLiteral("Bild öffnen"), QString(), image)) return;
    answer ? SetAnswerPicture(image) : SetQuestionPicture(image);
}

} // namespace bw
