// Putting a palette record into force: the frame of the guide image, the
// guide's gamma, the piece colours, and a redraw of guide and board.
#include "ui/ZolForm.h"

#include "ui/ShapeWidget.h"

namespace zol {

namespace {

// The configured gamma suits only grey pieces on a black or white board;
// coloured and transparent palettes are drawn without correction. A record
// read from Zol.ini may hold any numbers, so their sum is taken in 64 bits.
bool UsesConfiguredGamma(const PaletteParams& p)
{
    const bool grey = (p.vr == 0 || p.vo % 255 == 0) && static_cast<long long>(p.so) + p.sr == 0;
    return grey && (p.bgcolor == 0x000000 || p.bgcolor == 0xFFFFFF);
}

} // namespace

void TZolForm::ApplyPalette(const PaletteParams& p)
{
    // On the workspace colour the frame would only draw a line around nothing.
    Shape1->setPenColor(p.bgcolor == WorkspaceColor ? palette().color(QPalette::Window) : QColor(Qt::black));
    editor_.model.SetGamma(UsesConfiguredGamma(p) ? editor_.settings.gamma : 1.0);
    editor_.model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
    RedrawGuideAndBoard();
    editor_.settings.palette = p;
}

} // namespace zol
