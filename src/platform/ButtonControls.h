#pragma once
// Command buttons, option buttons and check boxes.

#include "platform/ControlBase.h"


namespace platform {

// What the three kinds of button share: a caption, kept across hide and show
// and returned to its design at every load.
class ButtonControl : public Control {
public:
    void designCaption(const QString& c) { designCaption_ = c; }
    QString caption();
    void setCaption(const QString& c);
    bool canHoldFocus() const override { return true; }

protected:
    ButtonControl(Form& f, QString name, ControlKind kind) : Control(f, std::move(name), kind) {}
    void resetState() override { caption_ = designCaption_; }
    void applyState() override;

private:
    QString designCaption_, caption_;
};

// A push button with a caption or a picture.
class CommandButton : public ButtonControl {
public:
    CommandButton(Form& f, QString name) : ButtonControl(f, std::move(name), ControlKind::CommandButton) {}
    // A picture from the program's resources (":/arrow_right.png").
    void designPicture(const QString& resource) { picture_ = resource; }
    const QString& picture() const { return picture_; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyState() override;

private:
    QString picture_;
};

// An option button; the option buttons of one container form one group.
// Setting one from code raises its Click as a click by the user does.
class OptionButton : public ButtonControl {
public:
    OptionButton(Form& f, QString name) : ButtonControl(f, std::move(name), ControlKind::OptionButton) {}
    void designValue(bool v) { designValue_ = v; }
    bool value();
    void setValue(bool v);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override;
    void applyState() override;

private:
    void select(bool raise);
    bool designValue_ = false, value_ = false;
};

// A check box with the values 0 (unchecked) and 1 (checked); a change of
// value from code raises Click.
class CheckBox : public ButtonControl {
public:
    CheckBox(Form& f, QString name) : ButtonControl(f, std::move(name), ControlKind::CheckBox) {}
    void designValue(int v) { designValue_ = v; }
    int value();
    void setValue(int v);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override;
    void applyState() override;

private:
    int designValue_ = 0, value_ = 0;
};

} // namespace platform
