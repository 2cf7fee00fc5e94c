#pragma once
// Lets the loaders of documents and piece sets ask their questions through
// the editor's dialogs.

#include "io/Prompter.h"
#include "ui/Dialogs.h"

namespace zol {

class DialogPrompter : public Prompter {
public:
    explicit DialogPrompter(Dialogs& dialogs) : dialogs_(dialogs) {}

    void Inform(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void Warn(const std::string& text) override;
    Language language() const override;

private:
    Dialogs& dialogs_;
};

} // namespace zol
