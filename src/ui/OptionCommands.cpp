// The caption field and the option tool bar: antialiasing, the tool bar's
// visibility, the flip sensitivity and the drawing magnification.
#include "ui/ZolForm.h"

#include "model/CommaList.h"
#include "ui/DisplayText.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolBar>

namespace zol {

void TZolForm::CaptionInputChange()
{
    if (assigningCaption_)
        return;
    // The validator lets in only text the document's encoding can hold.
    if (const auto bytes = CaptionBytes(editor_.model, CaptionInput->text()))
        editor_.model.SetFigureCaption(BoardFigure, *bytes);
}

void TZolForm::OptEyeExecute() { OptToolBar->setVisible(OptToolBar->isHidden()); }

// The tool button and the menu item alike; both show the editor's state.
void TZolForm::OptAAExecute()
{
    editor_.view.antialias = !editor_.view.antialias;
    RedrawGuideAndBoard();
}

void TZolForm::flipsensComboBoxChange()
{
    // Only a plain decimal number counts; anything else, half-typed text
    // included, leaves the sensitivity as it is, silently.
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+$"));
    const QString text = flipsensComboBox->currentText();
    if (!decimal.match(text).hasMatch())
        return;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok)
        editor_.settings.flipsens = value;
}

void TZolForm::Copy1PercentageComboBoxChange()
{
    // Text that is no integer raises the conversion error: the user sees it
    // and the magnification stays.
    const int percent = ParseInteger(Copy1PercentageComboBox->currentText().toStdString());
    if (percent == 0)
        return;
    editor_.model.setZoomPercent(percent);
    RedrawGuideAndBoard();
}

} // namespace zol
