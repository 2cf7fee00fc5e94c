#include "export/ExportDrawing.h"

#include "model/TangramModel.h"

#include <gtest/gtest.h>

using namespace zol;

namespace {

class BoardPictureAtZoom : public ::testing::TestWithParam<int> {};

// The board copy (Ctrl+M): whatever the board bitmap holds, the picture is
// the board figure drawn afresh on the background (not black here) as the
// board draws it: at the zoom percent, with the selection's outlines.
TEST_P(BoardPictureAtZoom, IsTheBoardFigureDrawnAfresh)
{
    TangramModel model;
    model.SetPalette(0x102030, 0, 255, 255, 0, 0, 0);
    model.setZoomPercent(GetParam());
    QImage scratch(BoardSize, BoardSize, QImage::Format_RGB32);
    model.PickPiece(0, 0, scratch, true); // the group in hand shows as outlines
    ASSERT_EQ(model.selection(), -2);
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    model.DrawFigure(-1, 1.0, board, Background::Fill);

    const QImage copy = BoardPicture(model);
    EXPECT_EQ(copy.size(), QSize(BoardSize, BoardSize));
    EXPECT_EQ(copy, board);
    QImage empty(BoardSize, BoardSize, QImage::Format_RGB32);
    empty.fill(QColor(0x30, 0x20, 0x10));
    EXPECT_NE(copy, empty) << "the figure is there";
}

INSTANTIATE_TEST_SUITE_P(Percent, BoardPictureAtZoom, ::testing::Values(100, 50, 200),
                         [](const auto& info) { return "Zoom" + std::to_string(info.param); });

} // namespace
