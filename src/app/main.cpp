// Placeholder entry: shows the board as the model draws it.
#include "model/Random.h"
#include "model/TangramModel.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zol::SeedRandomFromClock();
    zol::TangramModel model;
    model.SetPalette(0x000000, 0, 0, 255, 0, 0, 0);
    QImage board(zol::BoardSize, zol::BoardSize, QImage::Format_RGB32);
    model.DrawFigure(-1, 1.0, board, false);
    QLabel label;
    label.setPixmap(QPixmap::fromImage(board));
    label.setWindowTitle("Zol editor");
    label.show();
    return app.exec();
}
