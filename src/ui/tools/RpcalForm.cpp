#include "ui/tools/RpcalForm.h"

#include "model/ArcPoints.h"
#include "ui/AppTitle.h"
#include "ui/tools/ToolSheet.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace zol {

namespace {

constexpr QSize ClientSize(657, 201);
constexpr QSize FieldSize(24, 20);

} // namespace

TRpcalForm::TRpcalForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RpcalForm"));
    MakeToolWindow(this, AppTitle() + tr(" ‐ 円弧上の座標計算機"), ClientSize);
    new ToolSheet({QRect(0, 24, 657, 177), QRect(0, 0, 649, 193), QRect(8, 30, 633, 155)}, this);
    new TitleStrip(QStringLiteral("Round Point Calculator  "), 24, this);

    Edit4 = addField(QStringLiteral("Edit4"), QStringLiteral("2"), {82, 48});
    Edit2 = addField(QStringLiteral("Edit2"), QStringLiteral("0"), {82, 72});
    Edit3 = addField(QStringLiteral("Edit3"), QStringLiteral("1"), {82, 96});
    Edit5 = addField(QStringLiteral("Edit5"), QStringLiteral("80"), {315, 48});
    Edit6 = addField(QStringLiteral("Edit6"), QStringLiteral("80"), {349, 48});
    Edit7 = addField(QStringLiteral("Edit7"), QStringLiteral("80"), {307, 72});
    Edit8 = addField(QStringLiteral("Edit8"), QStringLiteral("0"), {342, 72});
    // The fields sit in the blanks of their labels: "開始角度 [  ] °".
    addLabel({tr("計算点数")}, {24, 48}, {});
    addLabel({tr("開始角度"), QStringLiteral("°")}, {24, 72}, {Edit2});
    addLabel({tr("終了角度"), QStringLiteral("°")}, {24, 96}, {Edit3});
    addLabel({tr("円の中心座標("), QStringLiteral(","), QStringLiteral(")")}, {232, 48}, {Edit5, Edit6});
    addLabel({tr("基準ベクトル("), QStringLiteral(","), QStringLiteral(")")}, {232, 72}, {Edit7, Edit8});
    addLabel({tr("▼▲結果▼▲")}, {284, 128}, {});
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(24, 144, 593, 20);
    Edit1->setMaxLength(MaxArcPoints * MaxArcPointLength);

    // Tab order: count, angles, centre, vector, result.
    QWidget* const order[] = {Edit4, Edit2, Edit3, Edit5, Edit6, Edit7, Edit8, Edit1};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    Edit4->setFocus();

    rpcalculation = new QAction(QStringLiteral("GO!"), this);
    rpcalculation->setObjectName(QStringLiteral("rpcalculation"));
    connect(rpcalculation, &QAction::triggered, this, &TRpcalForm::rpcalculationExecute);
    for (QLineEdit* field : {Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8})
        connect(field, &QLineEdit::textChanged, this, &TRpcalForm::rpcalculationExecute);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().topLeft());
}

void TRpcalForm::rpcalculationExecute()
{
    const auto field = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    const ArcPoints points = ComputeArcPoints(
        {field(Edit4), field(Edit2), field(Edit3), field(Edit5), field(Edit6), field(Edit7), field(Edit8)});
    // A field being typed leaves the last result; numbers that give no
    // result say why in its place.
    switch (points.refusal) {
    case ArcRefusal::None: Edit1->setText(QString::fromStdString(points.text)); break;
    case ArcRefusal::NotANumber: break;
    case ArcRefusal::TooManyPoints:
        Edit1->setText(tr("計算点数が多すぎます（%1 点まで）。").arg(MaxArcPoints));
        break;
    case ArcRefusal::BeyondRange:
        Edit1->setText(tr("座標が -2147483648～2147483647 の範囲を超えます。"));
        break;
    }
}

QLineEdit* TRpcalForm::addField(const QString& name, const QString& text, QPoint at)
{
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    edit->setFrame(false);
    edit->setGeometry(QRect(at, FieldSize));
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

void TRpcalForm::addLabel(const QStringList& parts, QPoint at, const QList<QLineEdit*>& fields)
{
    // The first text starts at `at`, each further one right after the field before it.
    for (qsizetype i = 0; i < parts.size(); ++i) {
        auto* label = new QLabel(parts[i], this);
        label->adjustSize();
        const int x = i == 0 ? at.x() : fields[i - 1]->geometry().right() + 2;
        label->move(x, at.y() + (FieldSize.height() - label->height()) / 2);
        if (!fields.isEmpty())
            label->stackUnder(fields.first()); // a long text goes under the field, not over it
    }
}

} // namespace zol
