#pragma once
// The test questions: the screening test and the Negative Gray Zone retest
// in use. Each pair gets its combination code; an unsupported pair is
// refused with the offer to read the valid combinations, a supported one
// opens its tests' rows on the sensitivity and specificity form and becomes
// the selection in use.

#include "model/Families.h"
#include "platform/Control.h"
#include "platform/Menu.h"
#include "shell/Resize.h"

#include <cstdint>

class FrmTesting : public ScalingForm {
public:
    explicit FrmTesting(Program& p);

    platform::Label Label5{*this, "Label5"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label3{*this, "Label3"};
    platform::ListBox lstScreenTest{*this, "lstScreenTest"};
    platform::Label Label4{*this, "Label4"};
    platform::ListBox lstNgzTest{*this, "lstNgzTest"};
    platform::CommandButton cmdBack{*this, "cmdBack"};
    platform::CommandButton cmdNext{*this, "cmdNext"};

    platform::MenuItem mnuNavigation{*this, "mnuNavigation", "&File"};
    platform::MenuItem mnuForward{*this, "mnuForward", "Forward", &mnuNavigation};
    platform::MenuItem mnuSep{*this, "mnuSep", "-", &mnuNavigation};
    platform::MenuItem mnuRestart{*this, "mnuRestart", "Back to Screening Test", &mnuNavigation};
    platform::MenuItem mnuMain{*this, "mnuMain", "Back to Main", &mnuNavigation};

    // The code of the pair on screen: tens the screening list's index, units
    // the NGZ list's index; 99 for a pair the model does not support.
    std::int16_t TestCode = 99;

    void ValidateSelection();
    void GetCost();

    void Form_Load() override;
    void lstScreenTest_Click();
    void lstScreenTest_Validate(bool& cancel);
    void lstNgzTest_Click();
    void lstNgzTest_ChosenItemClicked();
    void lstNgzTest_Validate(bool& cancel);
    void cmdBack_Click();
    void cmdNext_Click();
    void mnuForward_Click();
    void mnuRestart_Click();
    void mnuMain_Click();

    // Leaves the sensitivity form as Forward does: the rows of the pair's
    // tests locked (shown from then on, never changed) under the NGZ heading
    // where the pair has NGZ rows.
    void settleTestsInUse();

    static constexpr std::int16_t InvalidCode = 99;
    static constexpr const char* MsgNoScreeningTest = "You must select a screening test";
    static constexpr const char* MsgNoNgzTest =
        "Would you like to see valid combinations for screening and NGZ tests. If yes when you arrive at the "
        "detail description screen scroll down to the testing information area (3B)";
    static constexpr const char* MsgInvalidPair =
        "You have chosen incorrect test combinations, would you like to see valid combinations. If yes when you "
        "arrive at the detail description screen scroll down to the testing information tab 3B";

private:
    // Checks the pair on screen, sets up a supported one, and offers
    // Forward only while the pair is supported.
    void checkPair();
    void offerForward(bool offered);
    // Yes: the instructions on the valid combinations, shown modally. No:
    // this form starts afresh.
    void offerValidCombinations(const char* question);
    void restart();
    // The pair in use chosen in the lists, as a supported pair's click
    // leaves them, without opening the characteristics again.
    void showPairInUse();
    bool showingPairInUse_ = false;
    void setUp(std::int16_t code, bool showCharacteristics);
    // The pair last set up: its selection in use, its rows turned on.
    std::int16_t setUpCode_ = InvalidCode;
};
