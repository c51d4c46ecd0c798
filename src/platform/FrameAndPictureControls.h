#pragma once
// Frames, and what a form draws: shapes, lines and pictures.

#include "platform/ControlBase.h"

#include <optional>

namespace platform {

// A frame that holds other controls; with an empty caption it draws only its border.
class Frame : public Control {
public:
    Frame(Form& f, QString name) : Control(f, std::move(name), ControlKind::Frame) {}
    void designCaption(const QString& c) { designCaption_ = c; }
    void designBorder(bool b) { border_ = b; }
    QString caption();
    void setCaption(const QString& c);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override { caption_ = designCaption_; }
    void applyState() override;

private:
    QString designCaption_, caption_;
    bool border_ = true;
};

// A drawn rectangle, rounded rectangle or oval.
class Shape : public Control {
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
    Shape(Form& f, QString name) : Control(f, std::move(name), ControlKind::Shape) {}
    void designShape(Kind k) { shape_ = k; }
    void designBorder(QColor c, int widthPx = 1) { borderColor_ = c; borderWidth_ = widthPx; }
    void designFill(QColor c) { fill_ = c; }
    bool hasFont() const override { return false; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    Kind shape_ = Kind::Rectangle;
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
    std::optional<QColor> fill_;
};

// A straight line between two points; it has no position or size of its own,
// so scaling leaves it where it was drawn.
class Line : public Control {
public:
    Line(Form& f, QString name) : Control(f, std::move(name), ControlKind::Line) {}
    void designPoints(double x1, double y1, double x2, double y2);
    void designPen(QColor c, int widthPx = 1) { color_ = c; penWidth_ = widthPx; }
    bool hasFont() const override { return false; }
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_ = Qt::black;
    int penWidth_ = 1;
};

// A picture, stretched to its box.
class Image : public Control {
public:
    Image(Form& f, QString name) : Control(f, std::move(name), ControlKind::Image) {}
    void designPicture(const QString& resource) { picture_ = resource; }
    void designStretch(bool s) { stretch_ = s; }
    bool hasFont() const override { return false; }
    const QString& picture() const { return picture_; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    QString picture_;
    bool stretch_ = true;
};

} // namespace platform
