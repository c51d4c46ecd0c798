#pragma once
// Scaling of the forms that are laid out for a 1024 x 768 screen: at load they
// grow or shrink with the screen, centre themselves and maximise where asked;
// when the user resizes them their controls follow.

#include "platform/Form.h"

#include <cstdint>
#include <map>
#include <utility>

class Program;

// Shared by every scaling form: each preamble overwrites it, so it always
// describes the last load.
struct ResizeModule {
    int16_t TwipsX = 0;
    int16_t TwipsY = 0;
    int16_t ScreenWidthPx = 0;
    int16_t ScreenHeightPx = 0;
    int16_t FirstResize = 0;   // True = -1
    int16_t ResizeReady = 0;
    // Each form's scale since its design (horizontal, vertical). Fonts are
    // sized from the design through it, so they cannot drift when a window is
    // resized over and over with width and height moving apart.
    std::map<const platform::Form*, std::pair<double, double>> ScaleSinceDesign;
};

// Multiplies the position and size of every control by the factors (and, on
// the first call after a load, the form's own position and size), and sizes
// every font from its design size by the mean of the form's scale since its
// design. A control that has no such property, or refuses a value, is passed over.
void ResizeForm(float ScaleX, float ScaleY, platform::Form& frm, ResizeModule& module);

enum class Centring { Centred, Raised };

class ScalingForm : public platform::Form {
public:
    ScalingForm(Program& program, QString name);

    void Form_Resize() override;

    int16_t DesignWidth = 0;
    int16_t DesignHeight = 0;
    int32_t OldWidth = 0;
    int32_t OldHeight = 0;

protected:
    // The first steps of the load handler: scale to the screen, centre
    // (raised: 100 twips above the centre), then maximise on an 800 x 600
    // screen or when the user asked for maximised screens at start-up.
    void scalingPreamble(Centring centring = Centring::Centred);
    // The same in two halves, for a form that checks the screen between them.
    void scaleAndCentre(Centring centring);
    void maximiseWhereAsked();

    Program& program;

private:
    // Sizes below this are not followed (a minimised or collapsed window), so
    // the layout comes back intact when the window is restored.
    int32_t smallestWidth_ = 0;
    int32_t smallestHeight_ = 0;
};
