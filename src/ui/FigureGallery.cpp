#include "ui/FigureGallery.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace zol {

namespace {

constexpr int ThumbnailSize = 96;

QToolButton* Thumbnail(const GalleryItem& item)
{
    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("Figure%1").arg(item.id));
    button->setIcon(QPixmap::fromImage(item.picture));
    button->setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    button->setText(item.caption);
    button->setToolTip(item.caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

FigureGallery::FigureGallery(const QString& title, const std::vector<Row>& rows, std::function<void(int)> clicked,
                             QWidget* parent)
    : QDialog(parent), clicked_(std::move(clicked))
{
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    for (const Row& row : rows) {
        auto* line = new QHBoxLayout;
        for (const GalleryItem& item : row) {
            QToolButton* button = Thumbnail(item);
            const int id = item.id;
            connect(button, &QToolButton::clicked, this, [this, id] { clicked_(id); });
            line->addWidget(button);
        }
        line->addStretch();
        column->addLayout(line);
    }
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    resize(std::min(content->sizeHint().width() + 24, 760), std::min(content->sizeHint().height() + 8, 520));
}

} // namespace zol
