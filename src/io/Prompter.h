#pragma once
// What loaders ask or tell the user. The editor answers with real dialogs;
// tests and zoltool answer without windows.

#include "model/Message.h"

#include <string>

namespace zol {

class Prompter {
public:
    virtual ~Prompter() = default;
    // The language of the message table the user reads.
    virtual Language language() const { return Language::Japanese; }
    // An information box with an OK button. Text is UTF-8; "\n" breaks lines.
    virtual void Inform(const std::string& text) = 0;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // A warning box with an OK button; told as any other message where there
    // are no boxes.
    virtual void Warn(const std::string& text) { Inform(text); }
};

} // namespace zol
