// The palette commands of the main window: the fixed sets, new random colours
// from the palette button, and the customisation dialog.
#include "EditorFixture.h"

#include "model/Palette.h"
#include "ui/ShapeWidget.h"
#include "ui/colour/TColorCustamizeDialog.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <array>

namespace zol::test {
namespace {

class PaletteCommands : public EditorFixture {
protected:
    // The command of fixed palette `tag`.
    static const char* SetCommand(int tag)
    {
        const char* const commands[] = {"PaletteCSetWB",  "PaletteCSetBW",  "PaletteCSetBrl2", "PaletteCSetBrl",
                                        "PaletteCSetBrg", "PaletteCSetBrR", "PaletteCSetTB"};
        return commands[tag];
    }
    std::array<ColorRef, 7> PieceColours() const
    {
        std::array<ColorRef, 7> c{};
        for (int i = 0; i < 7; ++i)
            c[static_cast<size_t>(i)] = form->editor().model.pieceColor(i);
        return c;
    }
    // Closes the customisation dialog the next click opens with `button`.
    void AnswerCustomisation(const char* button)
    {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<TColorCustamizeDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick(dialog->findChild<QWidget*>(QString::fromLatin1(button)), Qt::LeftButton);
        });
    }
};

TEST_F(PaletteCommands, EachFixedSetComesIntoForceWithItsGammaAndFrame)
{
    const double configured = form->editor().settings.gamma;
    const struct {
        int tag;
        bool configuredGamma;
        bool frameVisible;
    } cases[] = {
        {0, true, true},   {1, true, true},   {2, false, true}, {3, false, true},
        {4, false, true},  {5, false, true},  {6, false, false},
    };
    for (const auto& c : cases) {
        Run(SetCommand(c.tag));
        const PaletteParams& expected = FixedPalettes()[static_cast<size_t>(c.tag)].params;
        EXPECT_EQ(form->editor().settings.palette, expected) << c.tag;
        EXPECT_EQ(form->editor().model.backgroundColor(), expected.bgcolor) << c.tag;
        EXPECT_EQ(form->editor().model.gamma(), c.configuredGamma ? configured : 1.0) << c.tag;
        EXPECT_EQ(GuideFrameShown() == QColor(Qt::black), c.frameVisible) << c.tag;
        EXPECT_EQ(form->editor().boardBitmap, DrawnBoard()) << c.tag;
    }
}

TEST_F(PaletteCommands, BlackOnWhiteGivesBlackPiecesAndWhiteBoard)
{
    Run("PaletteCSetWB");
    for (ColorRef c : PieceColours())
        EXPECT_EQ(c, 0x000000u);
    EXPECT_EQ(form->editor().boardBitmap.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(PaletteCommands, PaletteButtonDrawsNewColoursOfTheSameSet)
{
    Run("PaletteCSetBrl");
    const PaletteParams green = form->editor().settings.palette;
    const auto before = PieceColours();
    Control<QToolButton>(QStringLiteral("ToolButtonCSet")).click();
    EXPECT_EQ(form->editor().settings.palette, green);
    EXPECT_EQ(form->editor().model.backgroundColor(), 0u);
    EXPECT_NE(PieceColours(), before); // seven random greens twice alike: never in practice
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

// "黒‐乱朱" spreads the value alone: the button draws its colours again and
// opens no dialog.
TEST_F(PaletteCommands, PaletteButtonDrawsAgainWhenOneSpreadIsNotZero)
{
    form->findChild<QAction*>("PaletteCSetBrR")->trigger();
    const PaletteParams& red = FixedPalettes()[5].params;
    ASSERT_TRUE(red.hr == 0 && red.sr == 0 && red.vr != 0);
    const auto before = PieceColours();
    bool dialogOpened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogOpened = true;
            modal->close();
        }
    });
    form->findChild<QToolButton*>("ToolButtonCSet")->click();
    QApplication::processEvents();
    EXPECT_FALSE(dialogOpened);
    EXPECT_NE(PieceColours(), before);
    EXPECT_EQ(form->editor().settings.palette, red);
}

// Registering takes effect at once: cancelling the dialog afterwards keeps it.
TEST_F(PaletteCommands, ARegistrationSurvivesCancellingTheDialog)
{
    form->findChild<QAction*>("PaletteCSetBrl")->trigger();
    const PaletteParams current = form->editor().settings.palette;
    ASSERT_NE(form->editor().settings.registeredPalette, current);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TColorCustamizeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->findChild<QWidget*>("Label2"), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseClick(dialog->findChild<QWidget*>("CancelBtn"), Qt::LeftButton);
    });
    form->findChild<QAction*>("PaletteColorCustamize")->trigger();
    EXPECT_EQ(form->editor().settings.registeredPalette, current);
    EXPECT_EQ(form->editor().settings.palette, current) << "nothing applied";
}

TEST_F(PaletteCommands, PaletteButtonWithNothingRandomOpensTheDialog)
{
    Run("PaletteCSetBW");
    const PaletteParams before = form->editor().settings.palette;
    AnswerCustomisation("CancelBtn");
    Control<QToolButton>(QStringLiteral("ToolButtonCSet")).click();
    EXPECT_EQ(form->editor().settings.palette, before);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PaletteCommands, CustomisationOkAppliesTheDialogsRecord)
{
    Run("PaletteCSetBrg");
    AnswerCustomisation("OKBtn");
    Run("PaletteColorCustamize");
    // Opened on the grape set and confirmed unchanged, the record stays.
    const PaletteParams grape = FixedPalettes()[4].params;
    EXPECT_EQ(form->editor().settings.palette, grape);
    EXPECT_EQ(form->editor().model.backgroundColor(), grape.bgcolor);
}

} // namespace
} // namespace zol::test
