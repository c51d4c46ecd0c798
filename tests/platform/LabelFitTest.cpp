// A label's caption is never cut: it shrinks to fit its box, down to a floor,
// then grows into the free space beside it, and shrinks further only where
// there is none.
#include "PlatformFixture.h"
#include "platform/FontFit.h"
#include "platform/TextControls.h"
#include "support/WholeText.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>

namespace {

using namespace platformtest;

// A right-aligned figure cell with a heading to its left (a label that may
// grow too) and a button close on its right; a note with free room below it
// down to a text box; a column of two fields.
class CellForm : public Form {
public:
    explicit CellForm(Runtime& rt) : Form(rt, "CellForm")
    {
        designClientSize(8000, 5000);
        designFont("Arial", 10);
        lblHead.designGeometry(120, 120, 1200, 300);
        lblHead.designCaption("Cost");
        lblCell.designGeometry(2000, 120, 1200, 300);
        lblCell.designAlignment(Qt::AlignRight | Qt::AlignTop);
        cmdNext.designGeometry(3300, 120, 1000, 300);
        lblNote.designGeometry(120, 1000, 3000, 300);
        txtBelow.designGeometry(120, 3400, 3000, 300);
        lblTall.designGeometry(5000, 1000, 1200, 900);
        txtCost.designGeometry(5000, 3000, 1000, 300);
        txtCost.designTabIndex(0);
        txtTotal.designGeometry(5000, 3400, 1000, 300);
        txtTotal.designText("9,50 $");
    }
    Label lblHead{*this, "lblHead"};
    Label lblCell{*this, "lblCell"};
    CommandButton cmdNext{*this, "cmdNext"};
    Label lblNote{*this, "lblNote"};
    TextBox txtBelow{*this, "txtBelow"};
    Label lblTall{*this, "lblTall"};
    TextBox txtCost{*this, "txtCost"};
    TextBox txtTotal{*this, "txtTotal"};
};

using LabelFit = OnScreen;

// A load fits each caption and field once, when the form has its size, so a
// caption grows into the room below it before the form is first shown.
TEST_F(LabelFit, ALoadFitsEachCaptionOnceToTheFormsOwnSize)
{
    CellForm f(runtime);
    f.lblNote.designCaption("A long note that takes several lines at any font that can still be read, so it "
                            "needs the room below its box: the facility's name, the figures it asks for and "
                            "where they come from, and what to do when no such records are at hand.");
    f.load();
    const auto* l = static_cast<const QLabel*>(f.lblNote.widget());
    EXPECT_EQ(f.fitsSinceLoad(), 7) << "four labels and three fields";
    EXPECT_GT(l->height(), 30) << "grown down";
    EXPECT_TRUE(testsupport::showsWholeText(*l)) << l->font().pointSizeF() << " pt in " << l->width() << "x" << l->height();
}

TEST_F(LabelFit, ACaptionShrinksThenGrowsThenShrinksAgainButIsNeverCut)
{
    enum class Font { Own, Smaller, Floor };
    enum class Box { Own, GrownLeft, GrownDown, GrownRight };
    struct Case {
        const char* caption;
        Label CellForm::*label;
        Font font;
        Box box;
        bool whole;
    };
    const Case cases[] = {
        {"$12.00", &CellForm::lblCell, Font::Own, Box::Own, true},
        {"$83,825,146.00", &CellForm::lblCell, Font::Smaller, Box::Own, true},
        {"$300,000,000,000.00", &CellForm::lblCell, Font::Smaller, Box::GrownLeft, true},
        {"$30,000,000,000,000,000,000.00", &CellForm::lblCell, Font::Floor, Box::GrownLeft, true},
        // Past all the room there is, a caption stays at the floor, its
        // letters narrowed, and is cut rather than drawn too small to read.
        {"$30,000,000,000,000,000,000,000,000,000.00", &CellForm::lblCell, Font::Floor, Box::GrownLeft, false},
        {"$12.00", &CellForm::lblCell, Font::Own, Box::Own, true},  // and back, when the figure shrinks again
        {"A long note that takes several lines at any font that can still be read, so it needs the room "
         "below its box: the facility's name, the figures it asks for and where they come from, the "
         "past year's records of the women screened and of those found positive, and what to do "
         "when no such records are at hand.",
         &CellForm::lblNote, Font::Smaller, Box::GrownDown, true},
        // Room for two lines, but a figure is not split at a group separator
        // (the line breaker finds a break in "2.200.000,00 $" as written under de_DE).
        {"2.200.000.000.000,00\u00a0$", &CellForm::lblTall, Font::Smaller, Box::GrownRight, true},
    };
    const double floor = smallestLegiblePoints(screen);
    CellForm f(runtime);
    showActive(f);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Label& label = f.*c.label;
        const int fitsBefore = f.fitsSinceLoad();
        label.setCaption(c.caption);
        EXPECT_EQ(f.fitsSinceLoad(), fitsBefore + 1) << "a new caption is fitted once";
        const auto* l = static_cast<const QLabel*>(label.widget());
        const auto px = [](double twips) { return int(std::lround(twips / 15)); };
        const QRect box(px(label.left()), px(label.top()), px(label.width()), px(label.height()));
        EXPECT_EQ(testsupport::showsWholeText(*l), c.whole) << l->font().pointSizeF() << " pt in " << l->width();
        // The font the label is given stays its own; only the drawing fits.
        EXPECT_DOUBLE_EQ(label.fontSize(), 10);
        const double drawn = l->font().pointSizeF();
        switch (c.font) {
        case Font::Own: EXPECT_DOUBLE_EQ(drawn, 10); break;
        case Font::Smaller:
            EXPECT_LT(drawn, 10);
            EXPECT_GT(drawn, floor);
            break;
        case Font::Floor: EXPECT_DOUBLE_EQ(drawn, floor); break;
        }
        const QRect head = f.lblHead.widget()->geometry(), next = f.cmdNext.widget()->geometry();
        switch (c.box) {
        case Box::Own: EXPECT_EQ(l->geometry(), box); break;
        case Box::GrownLeft:
            // Half way to the heading, which may grow towards it too; the
            // right edge keeps its place until that side is needed, and
            // never reaches the button.
            EXPECT_LT(l->x(), box.x());
            EXPECT_GE(l->x(), (head.right() + box.left()) / 2);
            EXPECT_LT(l->geometry().right(), next.left());
            EXPECT_EQ(l->y(), box.y());
            EXPECT_EQ(l->height(), box.height());
            break;
        case Box::GrownDown:
            EXPECT_EQ(l->geometry().topLeft(), box.topLeft());
            EXPECT_EQ(l->width(), box.width());
            EXPECT_GT(l->height(), box.height());
            EXPECT_LT(l->geometry().bottom(), f.txtBelow.widget()->y());
            break;
        case Box::GrownRight:
            EXPECT_EQ(l->geometry().topLeft(), box.topLeft());
            EXPECT_GT(l->width(), box.width());
            break;
        }
    }
    const int fitsBefore = f.fitsSinceLoad();
    f.lblCell.setCaption("$12.00");
    EXPECT_EQ(f.fitsSinceLoad(), fitsBefore) << "the same caption again costs nothing";
}

// A one-line field shows a figure whole in a smaller font, and where the
// floor is not small enough, in a box grown into the free space beside it,
// whether the program wrote it or the user typed it; the field below it in
// its column is lettered alike.
TEST_F(LabelFit, AFieldShowsAFigureWholeInASmallerFontOrAWiderBox)
{
    struct Case {
        const char* text;
        bool typed;
        bool shrunk, grown;
    };
    const Case cases[] = {
        {"9,50 $", false, false, false},
        {"1.000.000,00 $", false, true, true},
        {"1000000", true, false, false},
        {"1000000000", true, true, false},
        {"1.000.000.000.000,00 $", false, true, true},
        {"Springfield County Department of Public Health", true, true, true},
        {"9,50 $", false, false, false},
    };
    const double floor = smallestLegiblePoints(screen);
    CellForm f(runtime);
    showActive(f);
    auto* e = static_cast<QLineEdit*>(f.txtCost.widget());
    const QRect box = e->geometry();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        f.txtCost.setText("");
        if (c.typed) {
            f.txtCost.setFocus();
            QTest::keyClicks(e, c.text);
        } else {
            f.txtCost.setText(c.text);
        }
        ASSERT_EQ(e->text(), c.text);
        const double drawn = e->font().pointSizeF();
        EXPECT_EQ(drawn < 10, c.shrunk) << drawn;
        EXPECT_GE(drawn, floor);
        EXPECT_EQ(e->width() > box.width(), c.grown) << e->width();
        EXPECT_EQ(e->y(), box.y());
        EXPECT_TRUE(testsupport::showsWholeText(*e)) << drawn;
        EXPECT_EQ(f.txtTotal.widget()->font(), e->font());
    }
}

} // namespace
