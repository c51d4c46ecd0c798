#pragma once
// The population and positivity questions: how many women each age group
// screens in a year, and what share of them tested positive.

#include "platform/Control.h"
#include "platform/Menu.h"
#include "fields/BoundField.h"
#include "model/Positivity.h"
#include "questionnaire/QuestionFields.h"
#include "shell/Resize.h"

#include <QKeySequence>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

struct VarCon;

class FrmQuestPop : public ScalingForm {
public:
    explicit FrmQuestPop(Program& p);

    platform::Label Label11{*this, "Label11"};
    platform::Label Label12{*this, "Label12"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::TextBox txtNoFem18{*this, "txtNoFem18"};
    platform::TextBox txtNoFem1825{*this, "txtNoFem1825"};
    platform::TextBox txtNoFem25{*this, "txtNoFem25"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label9{*this, "Label9"};
    platform::TextBox txtPerFem18{*this, "txtPerFem18"};
    platform::TextBox txtPerFem1825{*this, "txtPerFem1825"};
    platform::TextBox txtPerFem25{*this, "txtPerFem25"};
    platform::Label lblYV18{*this, "lblYV18"};
    platform::Label lblYV1825{*this, "lblYV1825"};
    platform::Label lblYV25{*this, "lblYV25"};
    platform::CommandButton cmdContinue{*this, "cmdContinue"};

    platform::MenuItem mnuNavigation{*this, "mnuNavigation", "&File"};
    platform::MenuItem mnuBack{*this, "mnuBack", "Back", &mnuNavigation, QKeySequence(Qt::Key_F2)};
    platform::MenuItem mnuSep{*this, "mnuSep", "-", &mnuNavigation};
    platform::MenuItem mnuExit{*this, "mnuExit", "Exit", &mnuNavigation};

    // Shows the form modally over the one that asks, until its positivity
    // fits the test's figures (Continue refuses any other) or the user gives
    // up on it. With a group, that group's positivity is in focus.
    void showToFit(FiguresNow figures, std::optional<int> group = std::nullopt);
    // The way back to a positivity that does not fit: the group's positivity
    // in focus, on this form brought up to fit the figures unless it is up
    // for that already.
    void leadToPositivity(FiguresNow figures, int group);

    // The answers of the pass, by age group: none until given. They outlive
    // an unload within the pass; the fields show them whenever it loads.
    std::array<std::optional<std::int32_t>, 3> counts;
    std::array<std::optional<float>, 3> fractions;

    void Form_Load() override;
    // g: the age group, 0 under 18, 1 from 18 to 25, 2 over 25.
    void txtNoFem_GotFocus(int g);
    void txtPerFem_GotFocus(int g);
    void cmdContinue_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void Form_CloseBox() override;

    static constexpr const char* MsgPopulation = "Population Must be numeric, and greater than or equal to 0";
    static constexpr const char* MsgAllZero =
        "One of these three fields need to have a value greater than zero. This looks like a good field.";
    static constexpr const char* MsgPositivity = "Values must be numeric and greater than zero or less than 100";

private:
    using CountField = fields::Bound<std::optional<std::int32_t>>;
    using PositivityField = fields::Bound<std::optional<float>>;
    bool allCountsZero(int g, std::optional<std::int32_t> read);
    void storeAnswers();
    void message(const char* text);

    std::array<std::unique_ptr<CountField>, 3> countFields_;
    std::array<std::unique_ptr<PositivityField>, 3> positivityFields_;
    FiguresNow positivityMustFit_;
};
