#pragma once
// What the seeded walk keeps its account by and draws its steps from: the
// rules of what a pass accepts, the kinds of input, the fields it types into
// and the stages of a pass.

#include "PassWalk.h"

#include <optional>
#include <vector>

namespace walk {

using paths::Figures;

// --- what a pass has accepted --------------------------------------------------------------------
//
// The rules the walk keeps its account by:
// - a figure typed into a field and left by Tab is accepted once its checks
//   pass; a refused figure is not, nor one still being typed when its form is
//   closed by its close box;
// - the test characteristics and the unit-cost window keep what their fields
//   took, however they are then left (forward or back arrow, close box);
// - the review of the switch step keeps what was typed in it only when it is
//   left by its forward arrow; its Back and close box take it all back;
// - a cost worked out in the calculator and confirmed with "y" is taken at
//   once, however the calculator is then left; any other answer, or none,
//   takes nothing;
// - nothing typed into a field that the rules lock counts (the review locks
//   the PCR retest cost, shared by both PCR rows, when either is in use;
//   the test selection's forward arrow locks the rows of the tests in use,
//   the only rows the characteristics left open beside it show);
// - the population form's Back to the console keeps its figures, and the
//   confirmation form keeps its answer; "Back/Return to Main" ends the pass,
//   and the next one starts from the defaults.
class PassAccount {
public:
    void newPass(const QString& programme)
    {
        accepted_ = Figures{};
        accepted_.programme = programme;
        review_.reset();
    }
    void accept(QString Figures::*figure, const QString& text) { (review_ ? *review_ : accepted_).*figure = text; }
    void reviewOpens() { review_ = accepted_; }
    void reviewCloses(bool keeps)
    {
        if (keeps)
            accepted_ = *review_;
        review_.reset();
    }
    const Figures& accepted() const { return accepted_; }

private:
    Figures accepted_;
    std::optional<Figures> review_;
};

// --- the input kinds ---------------------------------------------------------------------------------

enum class Input {
    Untouched,
    Valid,                // a valid figure, Tab: accepted
    RefusedThenValid,     // a refused figure, Tab, the message; then a valid one, Tab
    RefusedThenClosed,    // a refused figure, Tab, the message; then the form's close box
    HalfTypedThenClosed,  // a valid figure typed, rubbed out by Backspace; then the close box
};
const Input kInputs[] = {Input::Untouched, Input::Valid, Input::RefusedThenValid, Input::RefusedThenClosed,
                         Input::HalfTypedThenClosed};
const char* const kInputNames[] = {"untouched", "valid", "refused then valid", "refused then close box",
                                   "half-typed then close box"};

inline bool closesTheForm(Input in) { return in == Input::RefusedThenClosed || in == Input::HalfTypedThenClosed; }

// A field the walk types figures into, with the figures it draws from.
struct WalkedField {
    const char* name;
    QString Figures::*figure;
    std::vector<QString> valid, refused;
    // A refused figure that first asks whether to change the positivity or
    // this figure; the walk answers 2, this figure.
    QString asksWhichToChange = {};
    // Whether the rules lock the field for the programme: nothing typed counts.
    bool (*locked)(const acceptance::Programme&) = nullptr;
};

// 0.004 shows as $0.00: no cost above zero.
const std::vector<QString> kRefusedCosts{"0", "-3", "abc", "$5", "", "2000000", "0.004"};
const WalkedField kSensitivity{"screening sensitivity", &Figures::sensitivity, {"0.92", "0.8", "0.95"},
                               {"abc", "0.5", "0", "-1", ""}};
const WalkedField kSpecificity{"screening specificity", &Figures::specificity, {"0.99", "0.985"}, {"abc", "0.95"},
                               "0.95"};
// Amounts with more decimals than their boxes show among them.
const WalkedField kTestCost{"screening test cost", &Figures::testCost, {"4.10", "9.10", "12", "7.254"}, kRefusedCosts};
const WalkedField kConfirmCost{"confirmation cost", &Figures::confirmCost, {"7.25", "5", "8.5", "7.255"}, kRefusedCosts};
const WalkedField kReviewEiaSens{"review EIA sensitivity", &Figures::reviewEiaSens, {"0.6", "0.9", "0.75"},
                                 {"abc", "0.5", "0.98", ""}};
const WalkedField kReviewEiaCost{"review EIA cost", &Figures::reviewEiaCost, {"5.55", "3", "5.554"}, kRefusedCosts};
// One cost for both PCR retests: locked in the review when either is in use.
const WalkedField kReviewPcrEiaCost{"review PCR on EIA cost", &Figures::reviewPcrEiaCost, {"5.55", "12"},
                                    kRefusedCosts, {}, [](const acceptance::Programme& p) {
                                        return p.figures["ngz"].toString().startsWith("PCR");
                                    }};

// The stages of a pass; each is left by one of the ways of its table.
enum class Stage { Console, Preview, Population, TestView, Testing, Confirm, Percent, DrugCosts, Results, Comparison };
const char* const kStageNames[] = {"console",      "preview",   "population", "test characteristics", "test selection",
                                   "confirmation", "treatment", "drug costs", "results",              "comparison"};

} // namespace walk
