#include "model/ArcPoints.h"
#include "ui/tools/RpcalForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zol;

namespace {

class RpcalForm : public ::testing::Test {
protected:
    // Replaces a field's text as a user would: select all, then type.
    static void Type(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
    }

    TRpcalForm form;
};

TEST_F(RpcalForm, OpensWithItsFieldsAndAnEmptyResult)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zol editor ‐ 円弧上の座標計算機"));
    EXPECT_EQ(form.size(), QSize(657, 201));
    const std::pair<QLineEdit*, const char*> fields[] = {{form.Edit4, "2"},  {form.Edit2, "0"},  {form.Edit3, "1"},
                                                         {form.Edit5, "80"}, {form.Edit6, "80"}, {form.Edit7, "80"},
                                                         {form.Edit8, "0"},  {form.Edit1, ""}};
    for (const auto& [field, text] : fields)
        EXPECT_EQ(field->text(), QString::fromLatin1(text)) << field->objectName().toStdString();
    // Tab walks count, angles, centre, vector, result.
    QWidget* w = form.Edit4;
    for (QLineEdit* next : {form.Edit2, form.Edit3, form.Edit5, form.Edit6, form.Edit7, form.Edit8, form.Edit1}) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus)); // labels and the sheet take no focus
        EXPECT_EQ(w, next) << next->objectName().toStdString();
    }
}

TEST_F(RpcalForm, RecomputesOnEveryChange)
{
    Type(form.Edit3, "");
    EXPECT_EQ(form.Edit1->text(), QString()) << "an empty field computes nothing";
    Type(form.Edit3, "1");
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("160,80, 160,81, "));
    Type(form.Edit4, "5");
    Type(form.Edit3, "90");
    Type(form.Edit5, "0");
    Type(form.Edit6, "0");
    Type(form.Edit7, "100");
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("100,0, 92,38, 70,70, 38,92, 0,100, "));
    // Typing "-9" passes "-", which changes nothing, then computes with -9.
    Type(form.Edit2, "-90");
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("0,-100, 70,-70, 100,0, 70,70, 0,100, "));
}

TEST_F(RpcalForm, BadFieldsLeaveTheResultAsItWas)
{
    Type(form.Edit3, "90");
    const QString result = form.Edit1->text();
    ASSERT_FALSE(result.isEmpty());
    for (QLineEdit* field : {form.Edit2, form.Edit3, form.Edit4, form.Edit5, form.Edit6, form.Edit7, form.Edit8}) {
        const QString before = field->text();
        // Pasted whole: typed, "1 2" would pass through "1".
        for (const char* bad : {"", "-", "+1", "1 2", "x", "99999999999"}) {
            field->setText(QString::fromLatin1(bad));
            EXPECT_EQ(form.Edit1->text(), result) << field->objectName().toStdString() << " '" << bad << "'";
        }
        field->setText(before);
        EXPECT_EQ(form.Edit1->text(), result);
    }
}

TEST_F(RpcalForm, ShowsTheWholeTextOfTheMostPoints)
{
    // Every point the longest there is: "-2147483648,-2147483648, ".
    Type(form.Edit7, "0");
    Type(form.Edit5, "-2147483648");
    Type(form.Edit6, "-2147483648");
    Type(form.Edit4, QString::number(MaxArcPoints));
    const std::optional<std::string> expected =
        ArcPointsText({std::to_string(MaxArcPoints), "0", "1", "-2147483648", "-2147483648", "0", "0"});
    ASSERT_TRUE(expected);
    ASSERT_EQ(expected->size(), size_t{MaxArcPoints} * MaxArcPointLength);
    EXPECT_EQ(form.Edit1->text().toStdString(), *expected);
}

// Numbers that give no points say so in the result's place; the next good
// input shows points again.
TEST_F(RpcalForm, SaysWhyNumbersGiveNoPoints)
{
    Type(form.Edit4, QString::number(MaxArcPoints + 1));
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("計算点数が多すぎます（10000 点まで）。"));
    Type(form.Edit4, "2");
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("160,80, 160,81, "));
    Type(form.Edit5, "2147483647");
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("座標が -2147483648～2147483647 の範囲を超えます。"));
}

TEST_F(RpcalForm, EnterAndTheCloseButtonCloseWithResultOne)
{
    QTimer::singleShot(0, &form, [this] { QTest::keyClick(form.Edit4, Qt::Key_Return); });
    EXPECT_EQ(form.exec(), 1);
    QTimer::singleShot(0, &form, [this] { form.findChild<QPushButton*>("OKButton")->click(); });
    EXPECT_EQ(form.exec(), 1);
}

} // namespace
