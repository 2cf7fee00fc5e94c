#include "support/ScriptedDialogs.h"

namespace zol {

std::vector<QString> ScriptedDialogs::texts(Kind kind) const
{
    std::vector<QString> out;
    for (const Record& r : records_)
        if (r.kind == kind)
            out.push_back(r.text);
    return out;
}

Dialogs::Answer ScriptedDialogs::next(Answer fallback)
{
    if (answers_.empty())
        return fallback;
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::nextPath()
{
    if (paths_.empty())
        return std::nullopt;
    std::optional<QString> p;
    p.swap(paths_.front());
    paths_.pop_front();
    return p;
}

Dialogs::Answer ScriptedDialogs::Information(const QString& text, bool withCancel)
{
    records_.push_back({Kind::Information, text, withCancel, {}, {}});
    return next(withCancel ? Answer::Cancel : Answer::Ok);
}

Dialogs::Answer ScriptedDialogs::Confirmation(const QString& text, bool withCancel)
{
    records_.push_back({Kind::Confirmation, text, withCancel, {}, {}});
    return next(withCancel ? Answer::Cancel : Answer::No);
}

Dialogs::Answer ScriptedDialogs::Warning(const QString& text)
{
    records_.push_back({Kind::Warning, text, false, {}, {}});
    return next(Answer::No);
}

void ScriptedDialogs::WarningWithOk(const QString& text) { records_.push_back({Kind::WarningWithOk, text, false, {}, {}}); }

void ScriptedDialogs::Error(const QString& text)
{
    records_.push_back({Kind::Error, text, false, {}, {}});
    if (whileError)
        whileError();
}

std::optional<QString> ScriptedDialogs::OpenFile(const FileRequest& request)
{
    records_.push_back({Kind::OpenFile, request.title, false, request, {}});
    return nextPath();
}

std::optional<QString> ScriptedDialogs::SaveFile(const FileRequest& request)
{
    records_.push_back({Kind::SaveFile, request.title, false, request, {}});
    return nextPath();
}

std::optional<PuzzleSheetRequest> ScriptedDialogs::PuzzleSheetOptions(const PuzzleSheetRequest& proposal)
{
    records_.push_back({Kind::PuzzleSheet, proposal.path, false, {}, proposal});
    if (sheets_.empty())
        return std::nullopt;
    // Swapped out rather than copied: GCC takes a copy of the optional for
    // a read of uninitialised memory.
    std::optional<PuzzleSheetRequest> sheet;
    sheet.swap(sheets_.front());
    sheets_.pop_front();
    return sheet;
}

bool ScriptedDialogs::OpenFolder(const QString& folder)
{
    records_.push_back({Kind::OpenFolder, folder, false, {}, {}});
    return hasFolderBrowser;
}

} // namespace zol
