#pragma once
// The picture the board copy puts on the clipboard: the board figure drawn
// afresh into a 512 x 512 picture at the zoom percent, selection outlines
// included, whatever the board itself shows at the moment (the table view,
// for one).

#include <QImage>

namespace zol {

class TangramModel;

QImage ClipboardImage(const TangramModel& model);

} // namespace zol
