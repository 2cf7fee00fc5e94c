#pragma once
// The version information: the version picture on the tool-window sheet.

#include <QDialog>

class QLabel;

namespace zol {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // `picturePath` is the version picture; the box shows an empty sheet when
    // it cannot be read.
    explicit TAboutBox(const QString& picturePath, QWidget* parent = nullptr);

    QLabel* Image1;
};

// The version picture the program ships.
QString VersionPicturePath();

} // namespace zol
