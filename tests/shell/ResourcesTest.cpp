// The pictures are compiled into the program; each must load from its
// resource path with the size its buttons and picture boxes are laid out for.
#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

// The resources live in a static library: register them explicitly. The
// macro has to be used outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

double lightness(QRgb pixel)
{
    return QColor::fromRgb(pixel).lightnessF();
}

class ResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { initResources(); }
};

TEST_F(ResourcesTest, EveryPictureLoadsWithItsSize)
{
    struct Case {
        const char *path;
        int width;
        int height;
        bool transparentCorners;
    };
    const std::vector<Case> cases = {
        {":/micrograph.png", 440, 300, false},
        {":/arrow_right.png", 32, 32, true},
        {":/arrow_left.png", 32, 32, true},
        {":/printer.png", 32, 32, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        const QImage image(QString::fromLatin1(c.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), c.width);
        EXPECT_EQ(image.height(), c.height);
        if (c.transparentCorners) {
            ASSERT_TRUE(image.hasAlphaChannel());
            for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
                EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
    }
}

TEST_F(ResourcesTest, ArrowsPointTheirWayAndAreLightAboveDarkBelow)
{
    struct Case {
        const char *path;
        bool pointsRight;
    };
    for (const Case &c : {Case{":/arrow_right.png", true}, Case{":/arrow_left.png", false}}) {
        SCOPED_TRACE(c.path);
        const QImage image = QImage(QString::fromLatin1(c.path)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        // The broad base of the wedge is opaque over more rows than the tip.
        auto opaqueRows = [&](int x) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                n += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            return n;
        };
        const int nearLeft = opaqueRows(9), nearRight = opaqueRows(22);
        if (c.pointsRight)
            EXPECT_GT(nearLeft, nearRight);
        else
            EXPECT_LT(nearLeft, nearRight);
        // Upper half grey, lower half black.
        double upper = 0, lower = 0;
        int upperCount = 0, lowerCount = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) < 250)
                    continue;
                if (y < 15) {
                    upper += lightness(pixel);
                    ++upperCount;
                } else if (y > 17) {
                    lower += lightness(pixel);
                    ++lowerCount;
                }
            }
        ASSERT_GT(upperCount, 0);
        ASSERT_GT(lowerCount, 0);
        EXPECT_GT(upper / upperCount, 0.4);
        EXPECT_LT(lower / lowerCount, 0.1);
    }
}

TEST_F(ResourcesTest, MicrographIsRedStainOnDarkWithGreenInclusions)
{
    const QImage image = QImage(QStringLiteral(":/micrograph.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    int dark = 0, red = 0, green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) < 40)
                ++dark;
            else if (qRed(p) > 120 && qRed(p) > 2 * qGreen(p))
                ++red;
            else if (qGreen(p) > 150 && qGreen(p) > qBlue(p) + 80)
                ++green;
        }
    const int total = image.width() * image.height();
    EXPECT_GT(dark, total / 10);   // background between the cells
    EXPECT_GT(red, total / 4);     // the stained cells
    EXPECT_GT(green, 50);          // the inclusions
    EXPECT_LT(green, total / 20);  // ... only a few of them
}

} // namespace
