#pragma once
// The small dialog of the puzzle-sheet export: the PDF file, the number of
// figures a page and whether solution pages follow.

#include "export/PuzzleSheets.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zol {

class PuzzleSheetDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a file in place of `current`; nothing when the user cancelled.
    using Browse = std::function<std::optional<QString>(const QString& current)>;

    PuzzleSheetDialog(const PuzzleSheetRequest& proposal, Browse browse, QWidget* parent = nullptr);

    // What the fields hold now.
    PuzzleSheetRequest request() const;

private:
    void browseForFile();

    Browse browse_;
    QLineEdit* path_;
    QComboBox* perPage_;
    QCheckBox* solutions_;
    QPushButton* ok_;
};

} // namespace zol
