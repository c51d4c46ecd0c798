#pragma once
// The question preview: the eight questions the following forms ask, and
// the way on to the first of them.

#include "platform/Control.h"
#include "platform/Menu.h"
#include "shell/Resize.h"

#include <array>

class FrmInitQuest : public ScalingForm {
public:
    explicit FrmInitQuest(Program& p);

    platform::Label lblOHRA{*this, "lblOHRA"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label5{*this, "Label5"};
    platform::Label lblInstruction{*this, "lblInstruction"};
    platform::Label Label1{*this, "Label1"};
    platform::Label lblQuest1{*this, "lblQuest1"};
    platform::Label lblQuest2{*this, "lblQuest2"};
    platform::Label Label2{*this, "Label2"};
    platform::Label lblQuest3{*this, "lblQuest3"};
    platform::Label lblQuest4{*this, "lblQuest4"};
    platform::Label lblQuest5{*this, "lblQuest5"};
    platform::Label Label3{*this, "Label3"};
    platform::Label lblQuest6{*this, "lblQuest6"};
    platform::Label lblQuest7{*this, "lblQuest7"};
    platform::Label lblQuest8{*this, "lblQuest8"};
    platform::CommandButton cmdNext{*this, "cmdNext"};

    platform::MenuItem mnuNavigation{*this, "mnuNavigation", "&File"};
    platform::MenuItem mnuForward{*this, "mnuForward", "Forward", &mnuNavigation};
    platform::MenuItem mnuOptions{*this, "mnuOptions", "Options", &mnuNavigation};
    platform::MenuItem mnuTestCostCalculator{*this, "mnuTestCostCalculator", "Test Cost Calculator", &mnuOptions};
    platform::MenuItem mnuProbabilities{*this, "mnuProbabilities", "Probabilities", &mnuOptions};
    platform::MenuItem mnusepp{*this, "mnusepp", "-", &mnuNavigation};
    platform::MenuItem mnuExit{*this, "mnuExit", "Exit", &mnuNavigation};

    void Form_Load() override;
    void Form_MouseMove() override;
    void cmdNext_MouseMove();
    void cmdNext_Click();
    void mnuForward_Click();
    // The Options submenu is on offer, so the test-cost calculator and the
    // probability factors can be reached from here.
    void mnuTestCostCalculator_Click();
    void mnuProbabilities_Click();
    void mnuExit_Click();

    static constexpr const char* HelpBegin =
        "To begin answering questions Click on the arrow at the bottom of this page. ";
    static constexpr const char* HelpArrow = "This begins the process of answering the questions. ";
    static const std::array<const char*, 8> Questions;
};
