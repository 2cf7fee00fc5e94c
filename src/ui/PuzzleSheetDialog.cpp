#include "ui/PuzzleSheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zol {

PuzzleSheetDialog::PuzzleSheetDialog(const PuzzleSheetRequest& proposal, Browse browse, QWidget* parent)
    : QDialog(parent), browse_(std::move(browse)), path_(new QLineEdit(proposal.path)), perPage_(new QComboBox),
      solutions_(new QCheckBox(tr("解答のページを付ける(&S)")))
{
    setWindowTitle(tr("パズルシートを印刷用PDFに"));
    path_->setObjectName(QStringLiteral("SheetPath"));
    path_->setMinimumWidth(360);
    auto* browseButton = new QPushButton(tr("参照(&B)…"));
    connect(browseButton, &QPushButton::clicked, this, &PuzzleSheetDialog::browseForFile);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(path_);
    pathRow->addWidget(browseButton);

    perPage_->setObjectName(QStringLiteral("SheetPerPage"));
    for (const int n : {1, 2, 4, 6})
        perPage_->addItem(QString::number(n), n);
    perPage_->setCurrentIndex(std::max(0, perPage_->findData(proposal.perPage)));
    solutions_->setObjectName(QStringLiteral("SheetSolutions"));
    solutions_->setChecked(proposal.solutions);

    auto* form = new QFormLayout;
    // The label of a row of several widgets needs its buddy named for its key.
    auto* pathLabel = new QLabel(tr("保存先(&F):"));
    pathLabel->setBuddy(path_);
    form->addRow(pathLabel, pathRow);
    form->addRow(tr("1ページの図形の数(&P):"), perPage_);
    form->addRow(QString(), solutions_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // No file, nothing to write to.
    connect(path_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.trimmed().isEmpty()); });
    ok_->setEnabled(!proposal.path.trimmed().isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PuzzleSheetRequest PuzzleSheetDialog::request() const
{
    return {path_->text().trimmed(), perPage_->currentData().toInt(), solutions_->isChecked()};
}

void PuzzleSheetDialog::browseForFile()
{
    if (const std::optional<QString> chosen = browse_(path_->text()))
        path_->setText(*chosen);
}

} // namespace zol
