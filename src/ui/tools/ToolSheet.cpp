#include "ui/tools/ToolSheet.h"

#include "ui/Fonts.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace zol {

ToolSheet::ToolSheet(const SheetGeometry& geometry, QWidget* parent)
    : QWidget(parent), geometry_(geometry)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(parent->size());
}

void ToolSheet::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(geometry_.shadow, Qt::black);
    p.fillRect(geometry_.sheet, palette().color(QPalette::Base));
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(geometry_.sheet.adjusted(0, 0, -1, -1));
    // A lowered bevel: dark above and left, light below and right.
    const QRect b = geometry_.bevel.adjusted(0, 0, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(b.topLeft(), b.topRight());
    p.drawLine(b.topLeft(), b.bottomLeft());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(b.bottomLeft(), b.bottomRight());
    p.drawLine(b.topRight(), b.bottomRight());
}

TitleStrip::TitleStrip(const QString& caption, int height, QDialog* dialog)
    : QFrame(dialog), caption_(new QLabel(caption, this)), close_(new QPushButton(QStringLiteral("×"), this))
{
    setObjectName(QStringLiteral("Panel1"));
    setGeometry(0, 0, dialog->width(), height);
    setAutoFillBackground(true);
    setPalette(QApplication::palette()); // the strip keeps the button face
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont bold = font();
    bold.setBold(true);
    caption_->setFont(bold);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setGeometry(rect());
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    close_->setObjectName(QStringLiteral("OKButton"));
    close_->setFont(bold);
    close_->setGeometry(width() - 24, 1, 18, height - 7);
    close_->setDefault(true);
    close_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(close_, &QPushButton::clicked, dialog, [dialog] { dialog->done(1); });
}

void TitleStrip::mousePressEvent(QMouseEvent* event)
{
    grab_ = event->globalPosition().toPoint() - window()->pos();
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        window()->move(event->globalPosition().toPoint() - grab_);
}

void MakeToolWindow(QDialog* dialog, const QString& caption, QSize clientSize)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(clientSize);
    dialog->setFont(PixelFont(GothicP, 12));
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}

} // namespace zol
