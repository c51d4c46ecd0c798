// Paints the program's pictures into resources/: the micrograph shown on the
// splash and the console, the arrow icons of the navigation buttons and the
// printer icon. Everything is drawn here, deterministically (fixed seed), so
// running the tool again gives the same files.
//
// Build and run (headless):
//   g++ -std=c++20 -fPIC tools/paint_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o paint_pictures
//   QT_QPA_PLATFORM=offscreen ./paint_pictures [output directory, default resources]

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// A float RGB canvas to which light is added, as in a fluorescence image.
struct Canvas {
    int width;
    int height;
    std::vector<float> r, g, b;

    Canvas(int w, int h)
        : width(w), height(h), r(size_t(w) * h, 0.0f), g(size_t(w) * h, 0.0f), b(size_t(w) * h, 0.0f)
    {
    }
    size_t at(int x, int y) const { return size_t(y) * width + x; }
};

// Smooth value noise on a lattice, for stain texture and background haze.
class ValueNoise {
public:
    ValueNoise(std::mt19937 &rng, int size) : size_(size), values_(size_t(size) * size)
    {
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        for (float &v : values_)
            v = unit(rng);
    }
    float sample(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int x0 = wrap(int(fx)), y0 = wrap(int(fy));
        const int x1 = wrap(x0 + 1), y1 = wrap(y0 + 1);
        const double tx = smooth(x - fx), ty = smooth(y - fy);
        const double a = lerp(value(x0, y0), value(x1, y0), tx);
        const double c = lerp(value(x0, y1), value(x1, y1), tx);
        return float(lerp(a, c, ty));
    }
    // Several octaves, roughly in 0..1.
    float fractal(double x, double y, int octaves) const
    {
        double sum = 0.0, amplitude = 0.5, total = 0.0;
        for (int i = 0; i < octaves; ++i) {
            sum += amplitude * sample(x, y);
            total += amplitude;
            x = x * 2.03 + 17.1;
            y = y * 2.03 + 5.3;
            amplitude *= 0.5;
        }
        return float(sum / total);
    }

private:
    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    int wrap(int i) const { return ((i % size_) + size_) % size_; }
    float value(int x, int y) const { return values_[size_t(y) * size_ + x]; }

    int size_;
    std::vector<float> values_;
};

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// An irregular rounded outline: a radius that varies slowly with the angle.
struct Outline {
    double cx, cy, radius, stretch, rotation;
    std::array<double, 4> amplitude;
    std::array<double, 4> phase;

    // Distance from the centre relative to the outline: 1 on the edge.
    double relative(double x, double y) const
    {
        const double dx = x - cx, dy = y - cy;
        const double c = std::cos(rotation), s = std::sin(rotation);
        const double u = (dx * c + dy * s) / stretch;
        const double v = -dx * s + dy * c;
        const double angle = std::atan2(v, u);
        double edge = 1.0;
        for (size_t k = 0; k < amplitude.size(); ++k)
            edge += amplitude[k] * std::sin(double(k + 2) * angle + phase[k]);
        return std::sqrt(u * u + v * v) / (radius * edge);
    }
};

struct Cell {
    Outline body;
    Outline nucleus;
    double brightness;
    double hue; // 0 = deep red, 1 = orange-red
};

struct Inclusion {
    double x, y, radius, brightness;
    bool yellowish;
};

void paintCell(Canvas &canvas, const Cell &cell, const ValueNoise &texture)
{
    const double reach = cell.body.radius * std::max(cell.body.stretch, 1.0) * 1.6 + 4;
    const int x0 = std::max(0, int(cell.body.cx - reach)), x1 = std::min(canvas.width - 1, int(cell.body.cx + reach));
    const int y0 = std::max(0, int(cell.body.cy - reach)), y1 = std::min(canvas.height - 1, int(cell.body.cy + reach));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double d = cell.body.relative(x + 0.5, y + 0.5);
            if (d > 1.5)
                continue;
            // Cytoplasm: brighter towards the rim of the nucleus, soft falloff at the membrane.
            const double edge = 1.0 - smoothstep(0.72, 1.18, d);
            const double grain = 0.55 + 0.9 * texture.fractal(x * 0.11, y * 0.11, 4);
            double light = cell.brightness * edge * (0.75 + 0.25 * (1.0 - d)) * grain;
            // The nucleus takes little stain: a darker, softer-edged hole.
            const double n = cell.nucleus.relative(x + 0.5, y + 0.5);
            const double nucleus = 1.0 - smoothstep(0.65, 1.15, n);
            light *= 1.0 - 0.62 * nucleus;
            const size_t i = canvas.at(x, y);
            canvas.r[i] += float(light * (0.95 + 0.05 * cell.hue));
            canvas.g[i] += float(light * (0.04 + 0.09 * cell.hue));
            canvas.b[i] += float(light * 0.07);
        }
    }
}

void paintInclusion(Canvas &canvas, const Inclusion &inc, const ValueNoise &texture)
{
    const double reach = inc.radius * 3.0;
    const int x0 = std::max(0, int(inc.x - reach)), x1 = std::min(canvas.width - 1, int(inc.x + reach));
    const int y0 = std::max(0, int(inc.y - reach)), y1 = std::min(canvas.height - 1, int(inc.y + reach));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double dx = x + 0.5 - inc.x, dy = y + 0.5 - inc.y;
            const double d2 = (dx * dx + dy * dy) / (inc.radius * inc.radius);
            // A bright, slightly granular core with a glow around it.
            const double core = std::exp(-d2 * 1.6) * (0.8 + 0.4 * texture.sample(x * 0.5, y * 0.5));
            const double glow = 0.35 * std::exp(-d2 * 0.35);
            const double light = inc.brightness * (core + glow);
            const size_t i = canvas.at(x, y);
            canvas.g[i] += float(light);
            canvas.r[i] += float(light * (inc.yellowish ? 0.62 : 0.28));
            canvas.b[i] += float(light * 0.10);
        }
    }
}

// A separable box blur; three passes approximate a Gaussian (the optics).
void blur(std::vector<float> &channel, int width, int height, int radius)
{
    std::vector<float> tmp(channel.size());
    const float scale = 1.0f / float(2 * radius + 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k)
                sum += channel[size_t(y) * width + std::clamp(x + k, 0, width - 1)];
            tmp[size_t(y) * width + x] = sum * scale;
        }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k)
                sum += tmp[size_t(std::clamp(y + k, 0, height - 1)) * width + x];
            channel[size_t(y) * width + x] = sum * scale;
        }
}

QImage paintMicrograph()
{
    constexpr int W = 440, H = 300;
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::normal_distribution<double> gauss(0.0, 1.0);
    ValueNoise texture(rng, 64);
    ValueNoise haze(rng, 16);

    Canvas sharp(W, H);

    // Cells spread over the field by a jittered grid, some clustered and
    // overlapping as in a confluent culture, a few gaps left dark.
    std::vector<Cell> cells;
    const int columns = 11, rows = 8;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (unit(rng) < 0.16)
                continue; // a gap in the monolayer
            Cell cell{};
            const double gx = (column + 0.5) * W / double(columns);
            const double gy = (row + 0.5) * H / double(rows);
            cell.body.cx = gx + gauss(rng) * 9.0;
            cell.body.cy = gy + gauss(rng) * 8.0;
            cell.body.radius = 11.0 + unit(rng) * 10.0;
            cell.body.stretch = 1.0 + unit(rng) * 0.45;
            cell.body.rotation = unit(rng) * kPi;
            for (size_t k = 0; k < 4; ++k) {
                cell.body.amplitude[k] = (0.14 / double(k + 1)) * unit(rng);
                cell.body.phase[k] = unit(rng) * 2.0 * kPi;
            }
            cell.nucleus = cell.body;
            cell.nucleus.cx += gauss(rng) * 2.5;
            cell.nucleus.cy += gauss(rng) * 2.5;
            cell.nucleus.radius = cell.body.radius * (0.36 + 0.12 * unit(rng));
            cell.nucleus.stretch = 1.0 + 0.25 * unit(rng);
            for (size_t k = 0; k < 4; ++k)
                cell.nucleus.amplitude[k] = 0.04 * unit(rng);
            cell.brightness = 0.42 + 0.38 * unit(rng);
            cell.hue = unit(rng);
            cells.push_back(cell);
        }
    }
    for (const Cell &cell : cells)
        paintCell(sharp, cell, texture);

    // Inclusions in a few cells, beside the nucleus; a couple of cells hold two.
    std::vector<Inclusion> inclusions;
    std::vector<size_t> order(cells.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), rng);
    const size_t infected = std::min<size_t>(9, order.size());
    for (size_t n = 0; n < infected; ++n) {
        const Cell &cell = cells[order[n]];
        const int count = (n % 4 == 0) ? 2 : 1;
        for (int k = 0; k < count; ++k) {
            const double angle = unit(rng) * 2.0 * kPi;
            const double distance = cell.body.radius * (0.45 + 0.2 * unit(rng));
            Inclusion inc{};
            inc.x = cell.nucleus.cx + std::cos(angle) * distance;
            inc.y = cell.nucleus.cy + std::sin(angle) * distance;
            inc.radius = 2.5 + unit(rng) * 4.5;
            inc.brightness = 0.85 + 0.35 * unit(rng);
            inc.yellowish = unit(rng) < 0.5;
            inclusions.push_back(inc);
        }
    }
    for (const Inclusion &inc : inclusions)
        paintInclusion(sharp, inc, texture);

    // Optics: blur the stain a little, then add a faint out-of-focus halo.
    Canvas image = sharp;
    for (auto *channel : {&image.r, &image.g, &image.b})
        for (int pass = 0; pass < 3; ++pass)
            blur(*channel, W, H, 1);
    Canvas halo = sharp;
    for (auto *channel : {&halo.r, &halo.g, &halo.b})
        for (int pass = 0; pass < 3; ++pass)
            blur(*channel, W, H, 5);

    QImage out(W, H, QImage::Format_RGB32);
    std::normal_distribution<double> grain(0.0, 0.018);
    for (int y = 0; y < H; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const size_t i = image.at(x, y);
            // Background: nearly black with a faint uneven red-brown haze and
            // a vignette from the illumination.
            const double dx = (x - W / 2.0) / (W / 2.0), dy = (y - H / 2.0) / (H / 2.0);
            const double vignette = 1.0 - 0.35 * (dx * dx + dy * dy) / 2.0;
            const double bg = 0.035 + 0.03 * haze.fractal(x * 0.03, y * 0.03, 3);
            double r = image.r[i] + 0.25 * halo.r[i] + bg;
            double g = image.g[i] + 0.25 * halo.g[i] + bg * 0.35;
            double b = image.b[i] + 0.25 * halo.b[i] + bg * 0.30;
            r = r * vignette + grain(rng);
            g = g * vignette + grain(rng) * 0.7;
            b = b * vignette + grain(rng) * 0.6;
            // A soft shoulder instead of hard clipping, as a camera would give.
            auto tone = [](double v) { return 255.0 * (1.0 - std::exp(-std::max(0.0, v) * 1.7)) / (1.0 - std::exp(-1.7)); };
            line[x] = qRgb(std::clamp(int(tone(r)), 0, 255), std::clamp(int(tone(g)), 0, 255),
                           std::clamp(int(tone(b)), 0, 255));
        }
    }
    return out;
}

// A wedge pointing right: the upper half lit grey, the lower half black.
QImage paintArrowRight()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF top(7.0, 3.5), bottom(7.0, 28.5), tip(27.5, 16.0), middle(7.0, 16.0);

    QPainterPath upper;
    upper.moveTo(top);
    upper.lineTo(tip);
    upper.lineTo(middle);
    upper.closeSubpath();
    QLinearGradient light(QPointF(7, 4), QPointF(16, 16));
    light.setColorAt(0.0, QColor(200, 200, 200));
    light.setColorAt(1.0, QColor(128, 128, 128));
    p.fillPath(upper, light);

    QPainterPath lower;
    lower.moveTo(middle);
    lower.lineTo(tip);
    lower.lineTo(bottom);
    lower.closeSubpath();
    p.fillPath(lower, QColor(0, 0, 0));

    QPainterPath wedge;
    wedge.moveTo(top);
    wedge.lineTo(tip);
    wedge.lineTo(bottom);
    wedge.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.drawPath(wedge);
    p.end();
    return image;
}

QImage paintPrinter()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(50, 50, 50), 1.0);

    // The sheet waiting at the back.
    p.setPen(outline);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(9.5, 2.5, 13, 11));

    // The body, shaded from light at the top to darker below.
    QLinearGradient body(QPointF(0, 12), QPointF(0, 24));
    body.setColorAt(0.0, QColor(225, 225, 225));
    body.setColorAt(1.0, QColor(150, 150, 150));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2.5, 11.5, 27, 13), 2.0, 2.0);

    // The output slot and the printed sheet coming out of it.
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(7.5, 20.5, 17, 2));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(9.5, 21.5, 13, 8));
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    for (double y : {24.5, 26.5})
        p.drawLine(QPointF(11.5, y), QPointF(20.5, y));

    // The power light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    p.drawEllipse(QPointF(25.5, 15.5), 1.5, 1.5);
    p.end();
    return image;
}

bool save(const QImage &image, const QDir &dir, const char *name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%d x %d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    if (!dir.exists()) {
        std::fprintf(stderr, "no such directory: %s\n", qPrintable(dir.path()));
        return 1;
    }
    const QImage right = paintArrowRight();
    bool ok = save(paintMicrograph(), dir, "micrograph.png");
    ok = save(right, dir, "arrow_right.png") && ok;
    ok = save(right.mirrored(true, false), dir, "arrow_left.png") && ok;
    ok = save(paintPrinter(), dir, "printer.png") && ok;
    return ok ? 0 : 1;
}
