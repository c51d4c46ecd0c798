#pragma once
// Screen metrics in the units the forms are laid out in: twips (1440 to the
// inch) and pixels.

namespace platform {

class Screen {
public:
    virtual ~Screen() = default;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
};

// The primary screen of the running program.
class QtScreen : public Screen {
public:
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    double widthTwips() const override;
    double heightTwips() const override;
};

// A screen of a given pixel size, for tests and for trying other resolutions.
class FixedScreen : public Screen {
public:
    FixedScreen(int widthPx = 1024, int heightPx = 768, double twipsPerPixel = 15.0)
        : widthPx_(widthPx), heightPx_(heightPx), tpp_(twipsPerPixel) {}
    void setSize(int widthPx, int heightPx) { widthPx_ = widthPx; heightPx_ = heightPx; }
    double twipsPerPixelX() const override { return tpp_; }
    double twipsPerPixelY() const override { return tpp_; }
    double widthTwips() const override { return widthPx_ * tpp_; }
    double heightTwips() const override { return heightPx_ * tpp_; }

private:
    int widthPx_;
    int heightPx_;
    double tpp_;
};

} // namespace platform
