#pragma once
// The real dialogs: message boxes and file dialogs over the editor window.

#include "ui/Dialogs.h"

class QWidget;

namespace zol {

class MessageDialogs : public Dialogs {
public:
    // The window the dialogs are centred on; may change after construction.
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    Answer Information(const QString& text, bool withCancel = false) override;
    Answer Confirmation(const QString& text, bool withCancel = false) override;
    Answer Warning(const QString& text) override;
    void WarningWithOk(const QString& text) override;
    void Error(const QString& text) override;
    std::optional<QString> OpenFile(const FileRequest& request) override;
    std::optional<QString> SaveFile(const FileRequest& request) override;
    std::optional<PuzzleSheetRequest> PuzzleSheetOptions(const PuzzleSheetRequest& proposal) override;
    bool OpenFolder(const QString& folder) override;

private:
    QWidget* parent_ = nullptr;
};

// "desc|*.a;*.b|desc2|*.*" -> "desc (*.a *.b);;desc2 (*)" for Qt's file dialogs.
QString QtFileFilter(const QString& pairs);

} // namespace zol
