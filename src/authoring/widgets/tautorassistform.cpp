#include "authoring/widgets/tautorassistform.h"

#include "authoring/toolwindowplace.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace bw {

namespace {

QLabel* Step(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

QString TAutorAssistForm::ShortcutHint(const QKeySequence& key) {
    QString text = key.toString(QKeySequence::PortableText);
    text.replace(QStringLiteral("Shift"), QStringLiteral("Umsch"));
    text.replace(QStringLiteral("Ctrl"), QStringLiteral("Strg"));
    text.replace(QStringLiteral("Del"), QStringLiteral("Entf"));
    text.replace(QStringLiteral("Return"), QStringLiteral("Enter"));
    // Shift comes before Ctrl in the German names.
    text.replace(QStringLiteral("Strg+Umsch+"), QStringLiteral("Umsch+Strg+"));
    return QStringLiteral("Tastenkürzel: ") + text;
}

TAutorAssistForm::TAutorAssistForm(const Commands& c, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Autorenassistent"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    auto button = [this, layout](const QString& caption, QAction* action) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        if (action) {
            if (!action->shortcut().isEmpty()) b->setToolTip(ShortcutHint(action->shortcut()));
            connect(b, &QPushButton::clicked, action, &QAction::trigger);
            // The button is offered exactly when its command is.
            b->setEnabled(action->isEnabled());
            connect(action, &QAction::changed, b,
                    [b, action] { b->setEnabled(action->isEnabled()); });
        }
        layout->addWidget(b);
        return b;
    };

    layout->addWidget(Step(this, QStringLiteral("1. Dokumententyp wählen")));
    NeuBtn = button(QStringLiteral("Neues Dokument anlegen..."), nullptr);
    auto* menu = new QMenu(this);
    const std::pair<const char*, QAction*> types[] = {
        {"&Bildbeschriftung", c.neuBildbeschriftung},
        {"&Lückentext", c.neuLueckentext},
        {"&Einzelfragen", c.neuEinzelfragen},
        {"&Multiple-Choice-Fragen", c.neuMultipleChoice}};
    for (const auto& [caption, action] : types) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setEnabled(action->isEnabled());
        connect(action, &QAction::changed, a, [a, action] { a->setEnabled(action->isEnabled()); });
        connect(a, &QAction::triggered, action, &QAction::trigger);
    }
    connect(NeuBtn, &QPushButton::clicked, this,
            [this, menu] { menu->popup(NeuBtn->mapToGlobal(QPoint(0, NeuBtn->height()))); });

    layout->addWidget(Step(this, QStringLiteral("2. Basisbild einfügen?")));
    button(QStringLiteral("aus Datei..."), c.basisbildAusDatei);
    button(QStringLiteral("aus Zw.abl."), c.basisbildAusZwischenablage);
    button(QStringLiteral("in Zw.abl. kop."), c.basisbildKopieren);
    button(QStringLiteral("Löschen"), c.basisbildLoeschen);
    button(QStringLiteral("Größe und Ausrichtung..."), c.basisbildGroesse);
    layout->addWidget(Step(this, QStringLiteral("3. Inhalt nachbearbeiten?")));
    button(QStringLiteral("Dokument bearbeiten..."), c.dokumentBearbeiten);
    layout->addWidget(Step(this, QStringLiteral("4. Titel eingeben")));
    button(QStringLiteral("Dokumenteigenschaften..."), c.dokumenteigenschaften);
    layout->addWidget(Step(this, QStringLiteral("5. Dokument speichern")));
    button(QStringLiteral("Speichern"), c.speichern);
    button(QStringLiteral("Speich. unter"), c.speichernUnter);
    layout->addStretch(1);
}

void TAutorAssistForm::ShowBeside(QWidget* window, QWidget* view, const QRect& pictureInView) {
    adjustSize();
    ToolWindowRoom room;
    room.mainFrame = window->frameGeometry();
    const QScreen* screen = window->screen();
    room.screen = screen ? screen->availableGeometry() : room.mainFrame;
    if (view) {
        room.view = QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
        const QRect shown = pictureInView & view->rect();
        if (!shown.isEmpty()) room.picture = shown.translated(room.view.topLeft());
    }
    room.top = room.mainFrame.top() + 150;
    move(ToolWindowPlace(room, frameGeometry().size()));
    show();
}

void TAutorAssistForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    emit visibilityChanged(true);
}

void TAutorAssistForm::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    emit visibilityChanged(false);
}

} // namespace bw
