#pragma once
// The main console: asks for the facility's name and leads into the
// questionnaire; the question and result screens come back here.

#include "platform/Control.h"
#include "platform/Menu.h"
#include "shell/Resize.h"

#include <QKeySequence>

class FrmConsole : public ScalingForm {
public:
    explicit FrmConsole(Program& p);

    platform::Label lblohra{*this, "lblohra"};
    platform::Label lblohra2{*this, "lblohra2"};
    platform::Label Label1{*this, "Label1"};
    platform::TextBox txtRegion{*this, "txtRegion"};
    platform::Image Image1{*this, "Image1"};
    platform::CommandButton cmdApp{*this, "cmdApp"};

    platform::MenuItem File{*this, "File", "&File"};
    platform::MenuItem Close{*this, "Close", "Exit Application", &File, QKeySequence(Qt::Key_F12)};

    void Form_Load() override;
    void txtRegion_GotFocus();
    void txtRegion_LostFocus();
    void cmdApp_Click();
    void Close_Click();

    // What the name in use reads when the box was left empty.
    static constexpr const char* GeneralRegion = "your local area";
};
