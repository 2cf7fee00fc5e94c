#pragma once
// A small window of figure thumbnails in rows, each with its caption: the
// groups of figures that share a silhouette, or the solutions of one. A click
// on a thumbnail reports the figure it stands for.

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace zol {

struct GalleryItem {
    QImage picture;
    QString caption;
    int id = 0; // what a click reports
};

class FigureGallery : public QDialog {
    Q_OBJECT
public:
    using Row = std::vector<GalleryItem>;
    FigureGallery(const QString& title, const std::vector<Row>& rows, std::function<void(int)> clicked,
                  QWidget* parent = nullptr);

private:
    std::function<void(int)> clicked_;
};

} // namespace zol
