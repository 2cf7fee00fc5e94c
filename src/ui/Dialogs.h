#pragma once
// Every modal question and message of the editor goes through this interface:
// the program shows real dialogs, tests answer from a script.

#include "export/PuzzleSheets.h"

#include <QString>

#include <optional>

namespace zol {

class Dialogs {
public:
    enum class Answer { Ok, Cancel, Yes, No };

    // What a file dialog needs. The filter lists "description|patterns" pairs
    // separated by "|", e.g. "Zolファイル|*.zol|すべてのファイル|*.*".
    struct FileRequest {
        QString title;
        QString filter;
        QString defaultSuffix; // without the dot, e.g. "zol"
        QString initialPath;   // a folder, or a file name to propose
    };

    virtual ~Dialogs() = default;

    // OK, or OK and Cancel.
    virtual Answer Information(const QString& text, bool withCancel = false) = 0;
    // Yes and No, or Yes, No and Cancel.
    virtual Answer Confirmation(const QString& text, bool withCancel = false) = 0;
    // Yes and No.
    virtual Answer Warning(const QString& text) = 0;
    // A warning with OK alone.
    virtual void WarningWithOk(const QString& text) = 0;
    // OK.
    virtual void Error(const QString& text) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> OpenFile(const FileRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const FileRequest& request) = 0;

    // The file, figures a page and solutions of the puzzle-sheet export,
    // starting from `proposal`; nothing when the user cancelled.
    virtual std::optional<PuzzleSheetRequest> PuzzleSheetOptions(const PuzzleSheetRequest& proposal) = 0;

    // Shows a folder in the system's file browser; false when there is no
    // browser to show it.
    virtual bool OpenFolder(const QString& folder) = 0;
};

} // namespace zol
