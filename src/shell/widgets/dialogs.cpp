#include "shell/widgets/dialogs.h"

#include "platform/system.h"
#include "common/helpers.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace bw {

namespace {

const char* kWebsite = "https://www.brettwerk.de/";

QPixmap ProductPicture(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(QColor(236, 236, 232));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A board with a few cards on it.
    p.setPen(QPen(QColor(81, 81, 78), 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(20, 15, w - 40, h - 40), 6, 6);
    p.setPen(QPen(QColor(70, 125, 187), 1));
    p.setBrush(QColor(202, 228, 255));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(45 + i * (w - 110) / 3.0, 40 + i * 18, (w - 140) / 3.0, 24));
    p.setPen(QColor(81, 81, 78));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(20, h - 60, w - 40, 30), Qt::AlignCenter, QStringLiteral("Brettwerk"));
    return pm;
}

} // namespace

TInfoBox::TInfoBox(const QString& applicationTitle, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));
    auto* lay = new QVBoxLayout(this);
    titleLabel_ = new QLabel(RemoveAll(applicationTitle, QStringLiteral(" am Whiteboard")), this);
    titleLabel_->setWordWrap(true);
    QFont f = titleLabel_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    titleLabel_->setFont(f);
    versionLabel_ = new QLabel(QStringLiteral("Version 3.0.2010.09.09"), this);
    auto* notice = new QPlainTextEdit(this);
    notice->setReadOnly(true);
    notice->setPlainText(QStringLiteral(
        "Brettwerk zeigt Themendokumente am Whiteboard, lässt Schülerinnen und Schüler "
        "Zuordnungs-, Lückentext- und Fragenübungen bearbeiten und dient als Zeichenblatt.\n\n"
        "Die Dokumente (*.bwk) sind Dateien wie andere auch: Sie können kopiert, per E-Mail "
        "versandt und in der Tauschbörse mit anderen Lehrkräften geteilt werden.\n\n"
        "Dieses Programm wird ohne jede Gewährleistung bereitgestellt."));
    notice->setMinimumHeight(120);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    lay->addWidget(titleLabel_);
    lay->addWidget(versionLabel_);
    lay->addWidget(notice);
    lay->addWidget(ok, 0, Qt::AlignRight);
    resize(460, 300);
}

QString TInfoBox::TitleText() const { return titleLabel_->text(); }
QString TInfoBox::VersionText() const { return versionLabel_->text(); }

TMeldForm::TMeldForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);
    auto* lay = new QVBoxLayout(this);
    label_ = new QLabel(this);
    label_->setAlignment(Qt::AlignCenter);
    label_->setMinimumSize(280, 60);
    lay->addWidget(label_);
}

void TMeldForm::ShowNotice(const QString& text) {
    label_->setText(text);
    show();
    raise();
    repaint();
    QApplication::processEvents();
}

void TMeldForm::HideNotice() { hide(); }

QString TMeldForm::Text() const { return label_->text(); }

TEndeInfoForm::TEndeInfoForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Beenden"));
    setModal(true);
    auto* lay = new QVBoxLayout(this);
    auto* pic = new QLabel(this);
    pic->setPixmap(ProductPicture(400, 190));
    lay->addWidget(pic);
    auto* siteRow = new QHBoxLayout;
    siteRow->addWidget(new QLabel(QStringLiteral("Produkt-Website:"), this));
    auto* link = new QLabel(this);
    link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(QString::fromLatin1(kWebsite)));
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(false);
    connect(link, &QLabel::linkActivated, this, [](const QString& url) { ShellOpen(url); });
    siteRow->addWidget(link, 1);
    lay->addLayout(siteRow);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Programm beenden?"), this), 1);
    auto* yes = new QPushButton(QStringLiteral("Ja, beenden"), this);
    auto* no = new QPushButton(QStringLiteral("Nein, weiter arbeiten"), this);
    yes->setObjectName(QStringLiteral("JaBtn"));
    no->setObjectName(QStringLiteral("NeinBtn"));
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    // Esc rejects a QDialog, which is what the cancel button does.
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(yes);
    bottom->addWidget(no);
    lay->addLayout(bottom);
    setFixedSize(sizeHint());
}

} // namespace bw

namespace bw {

void TEndeInfoForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = this->screen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

} // namespace bw
