#include "platform/FrameAndPictureControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {

// --- Frame ----------------------------------------------------------------------------------------

QWidget* Frame::createWidget(QWidget* parent)
{
    auto* g = new QGroupBox(parent);
    g->setFlat(!border_);
    return g;
}

void Frame::applyState() { static_cast<QGroupBox*>(widget())->setTitle(caption_); }
QString Frame::caption() { ensureLoaded(); return caption_; }

void Frame::setCaption(const QString& c)
{
    ensureLoaded();
    caption_ = c;
    if (auto* g = static_cast<QGroupBox*>(widget()))
        g->setTitle(c);
}

// --- Shape, Line, Image ---------------------------------------------------------------------------

namespace {
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, Shape::Kind k, QColor border, int bw, std::optional<QColor> fill)
        : QWidget(parent), kind_(k), border_(border), bw_(bw), fill_(fill)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(border_, bw_));
        p.setBrush(fill_ ? QBrush(*fill_) : Qt::NoBrush);
        QRectF r = QRectF(rect()).adjusted(bw_ / 2.0, bw_ / 2.0, -bw_ / 2.0, -bw_ / 2.0);
        if (kind_ == Shape::Kind::Square || kind_ == Shape::Kind::Circle ||
            kind_ == Shape::Kind::RoundedSquare) {
            const double s = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
        }
        switch (kind_) {
        case Shape::Kind::Rectangle:
        case Shape::Kind::Square: p.drawRect(r); break;
        case Shape::Kind::Oval:
        case Shape::Kind::Circle: p.drawEllipse(r); break;
        case Shape::Kind::RoundedRectangle:
        case Shape::Kind::RoundedSquare: p.drawRoundedRect(r, r.width() / 8, r.height() / 8); break;
        }
    }

private:
    Shape::Kind kind_;
    QColor border_;
    int bw_;
    std::optional<QColor> fill_;
};

class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent, QPoint a, QPoint b, QColor c, int w)
        : QWidget(parent), a_(a), b_(b), c_(c), w_(w)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(c_, w_));
        p.drawLine(a_ - pos(), b_ - pos());
    }

private:
    QPoint a_, b_;
    QColor c_;
    int w_;
};
} // namespace

QWidget* Shape::createWidget(QWidget* parent)
{
    return new ShapeWidget(parent, shape_, borderColor_, borderWidth_, fill_);
}

void Line::designPoints(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    designGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 30, std::abs(y2 - y1) + 30);
}

QWidget* Line::createWidget(QWidget* parent)
{
    const QPoint a(int(std::lround(x1_ / twipsPerPixelX())), int(std::lround(y1_ / twipsPerPixelY())));
    const QPoint b(int(std::lround(x2_ / twipsPerPixelX())), int(std::lround(y2_ / twipsPerPixelY())));
    return new LineWidget(parent, a, b, color_, penWidth_);
}

QWidget* Image::createWidget(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setPixmap(QPixmap(picture_));
    l->setScaledContents(stretch_);
    return l;
}

} // namespace platform
