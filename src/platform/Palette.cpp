#include "platform/Palette.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace platform {

double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every field of a kind asks with the same two colours: the answer is kept.
QColor readableDisabledText(QColor text, const QColor& field)
{
    static std::map<std::pair<QRgb, QRgb>, QColor> known;
    const std::pair<QRgb, QRgb> key{text.rgba(), field.rgba()};
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    const QColor toward = field.lightnessF() >= 0.5 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step < 20 && contrast(text, field) < 4.5; ++step)
        text = QColor::fromRgbF(text.redF() * 0.9f + toward.redF() * 0.1f, text.greenF() * 0.9f + toward.greenF() * 0.1f,
                                text.blueF() * 0.9f + toward.blueF() * 0.1f);
    known.emplace(key, text);
    return text;
}

void makeDisabledTextReadable(QWidget* w)
{
    QPalette p = w->palette();
    // The grounds are all light or all dark in a palette; darkening (or
    // lightening) for one keeps the text readable on those before it.
    QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    for (QPalette::ColorRole ground : {QPalette::Window, QPalette::Button, QPalette::Base})
        grey = readableDisabledText(grey, p.color(QPalette::Active, ground));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, grey);
    w->setPalette(p);
}

} // namespace platform
