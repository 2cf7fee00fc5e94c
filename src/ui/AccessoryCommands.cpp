// The arc calculator, the about box and the help.
#include "ui/ZolForm.h"

#include "ui/tools/AboutBox.h"
#include "ui/tools/HelpWindow.h"
#include "ui/tools/RpcalForm.h"

namespace zol {

// The main window stays hidden while the calculator is open.
void TZolForm::OptRpcalExecute()
{
    hide();
    TRpcalForm(this).exec();
    show();
}

void TZolForm::HelpAboutExecute()
{
    TAboutBox(VersionPicturePath(), this).exec();
}

void TZolForm::HelpQRefferenceExecute()
{
    ShowHelp(dialogs_, this);
}

} // namespace zol
