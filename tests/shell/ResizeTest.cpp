// Scaling of the forms laid out for 1024 x 768 to the screen they run on.

#include "app/Program.h"
#include "platform/Screen.h"
#include "shell/Resize.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class ScaledForm : public ScalingForm {
public:
    ScaledForm(Program& p, Centring c) : ScalingForm(p, "ScaledForm"), centring_(c)
    {
        designClientSize(7200, 4800);
        lblTitle.designGeometry(240, 120, 2400, 480);
        lblTitle.designFont("Times New Roman", 12);
        txtValue.designGeometry(3000, 1200, 1600, 360);
        cboList.designGeometry(3000, 2400, 2000, 300);
        linRule.designPoints(120, 3600, 6000, 3600);
    }
    void Form_Load() override { scalingPreamble(centring_); }

    Label lblTitle{*this, "lblTitle"};
    TextBox txtValue{*this, "txtValue"};
    ComboBox cboList{*this, "cboList"};
    Line linRule{*this, "linRule"};

private:
    Centring centring_;
};

struct Scaling : ::testing::Test {
    testsupport::ScriptedDialogs dialogs;
    FixedScreen screen{1024, 768};
    Program program{dialogs, screen, nullptr, [] {}};
};

struct ScreenCase {
    int widthPx, heightPx;
    int16_t screenMax;
    double scaleX, scaleY;
    bool maximised;
};

TEST_F(Scaling, ControlsFollowTheScreenAndTheStartUpAnswer)
{
    const ScreenCase cases[] = {
        {1024, 768, 7, 1.0, 1.0, false},
        {1024, 768, 6, 1.0, 1.0, true},
        {800, 600, 7, 0.78125, 0.78125, true},   // always maximised on exactly 800 x 600
        {832, 624, 7, 0.8125, 0.8125, false},
        {1280, 1024, 7, 1.25, 4.0 / 3.0, false},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.widthPx << "x" << c.heightPx << " answer " << c.screenMax);
        screen.setSize(c.widthPx, c.heightPx);
        program.vc.ScreenMax = c.screenMax;
        ScaledForm f(program, Centring::Centred);
        f.load();
        const float sx = float(c.scaleX), sy = float(c.scaleY);
        EXPECT_EQ(program.resize.ScreenWidthPx, c.widthPx);
        EXPECT_EQ(program.resize.ScreenHeightPx, c.heightPx);
        EXPECT_FLOAT_EQ(float(f.lblTitle.left()), 240 * sx);
        EXPECT_FLOAT_EQ(float(f.lblTitle.top()), 120 * sy);
        EXPECT_FLOAT_EQ(float(f.lblTitle.width()), 2400 * sx);
        EXPECT_FLOAT_EQ(float(f.lblTitle.height()), 480 * sy);
        // Fonts by the mean of the two factors, not by either one.
        EXPECT_FLOAT_EQ(float(f.lblTitle.fontSize()), float(12 * ((c.scaleX + c.scaleY) / 2)));
        // A combo box keeps the height its font gives it.
        auto* combo = static_cast<QComboBox*>(f.cboList.widget());
        EXPECT_EQ(combo->height(), combo->sizeHint().height());
        EXPECT_FLOAT_EQ(float(f.cboList.width()), 2000 * sx);
        // Lines have no position to scale.
        EXPECT_DOUBLE_EQ(f.linRule.left(), 120);
        EXPECT_EQ(f.windowState() == WindowState::Maximized, c.maximised);
        // The form's own size scales too, and it stands centred (until maximised).
        if (!c.maximised) {
            EXPECT_NEAR(f.width(), 7200 * c.scaleX, 15);
            EXPECT_NEAR(f.left(), (c.widthPx * 15 - f.width()) / 2, 15);
            EXPECT_NEAR(f.top(), (c.heightPx * 15 - f.height()) / 2, 15);
        }
    }
}

TEST_F(Scaling, ResultScreensStandHundredTwipsAboveTheCentre)
{
    ScaledForm centred(program, Centring::Centred);
    ScaledForm raised(program, Centring::Raised);
    centred.load();
    raised.load();
    EXPECT_NEAR(raised.top(), centred.top() - 100, 15);
    EXPECT_NEAR(raised.left(), centred.left(), 1);
}

TEST_F(Scaling, FirstResizeOnlyArmsLaterOnesRescale)
{
    ScaledForm f(program, Centring::Centred);
    f.load();
    const double w0 = f.width(), h0 = f.height();
    EXPECT_EQ(program.resize.ResizeReady, 0);
    f.Form_Resize();  // the first notification after a load
    EXPECT_EQ(program.resize.ResizeReady, -1);
    EXPECT_DOUBLE_EQ(f.txtValue.left(), 3000);

    // The user doubles the width and keeps the height.
    f.window()->resize(int(std::lround(2 * w0 / 15)), int(std::lround(h0 / 15)));
    f.Form_Resize();
    EXPECT_EQ(program.resize.FirstResize, 0);
    EXPECT_NEAR(f.txtValue.left(), 6000, 1);
    EXPECT_NEAR(f.txtValue.top(), 1200, 1);
    EXPECT_NEAR(f.txtValue.width(), 3200, 1);
    EXPECT_NEAR(f.width(), 2 * w0, 15);  // the form itself is not scaled again
    EXPECT_EQ(f.OldWidth, std::lround(f.width()));
}

TEST_F(Scaling, FontsFollowTheDesignSizeHoweverOftenTheFormIsResized)
{
    ScaledForm f(program, Centring::Centred);
    f.load();
    f.Form_Resize();  // arms the later ones
    const double w0 = f.width(), h0 = f.height();
    struct Size {
        double w, h, font;  // factors of the loaded size; the font expected
    };
    // Width and height moving in opposite directions, again and again; the
    // mean of the scale since the design sizes the 12-point caption.
    const Size sizes[] = {{2, 0.5, 15}, {0.5, 2, 15}, {1, 1, 12}, {2, 0.5, 15}, {0.5, 2, 15},
                          {2, 0.5, 15}, {1.5, 1.5, 18}, {1, 1, 12}};
    for (const Size& s : sizes) {
        f.window()->resize(int(std::lround(s.w * w0 / 15)), int(std::lround(s.h * h0 / 15)));
        f.Form_Resize();
        EXPECT_NEAR(f.lblTitle.fontSize(), s.font, 0.1) << s.w << " x " << s.h;
    }
}

TEST_F(Scaling, MinimisedOrTinyFormComesBackToItsLayout)
{
    ScaledForm f(program, Centring::Centred);
    f.load();
    const double w0 = f.width(), h0 = f.height();
    f.Form_Resize();
    // Collapsed to a sliver, then restored: the controls end where they were.
    f.window()->resize(1, 1);
    f.Form_Resize();
    EXPECT_GT(f.OldWidth, 0);
    f.window()->resize(int(std::lround(w0 / 15)), int(std::lround(h0 / 15)));
    f.Form_Resize();
    EXPECT_NEAR(f.txtValue.left(), 3000, 1);
    EXPECT_NEAR(f.txtValue.width(), 1600, 1);
    EXPECT_NEAR(f.lblTitle.fontSize(), 12, 0.01);
}

TEST_F(Scaling, ReloadScalesAgainFromTheDesign)
{
    screen.setSize(1280, 1024);
    ScaledForm f(program, Centring::Centred);
    f.load();
    f.unload();
    f.load();
    EXPECT_FLOAT_EQ(float(f.txtValue.left()), 3000 * 1.25f);
}

} // namespace
