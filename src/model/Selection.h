#pragma once
// Selection: the tests of the pass in use. The screening test and the NGZ
// retest the user chose (each possibly none), the check box chkConfirPos
// that the cost equations read and nothing checks, and the answer to the
// confirmation question.
#include <cstdint>
#include <optional>
#include <string>

#include "model/Families.h"

struct VarCon;

class Selection {
public:
    // Whether option `index` of each group is selected (false out of range).
    bool OptScrTest(int index) const { return scrTest_ && static_cast<int>(*scrTest_) == index; }
    bool optNgzTest(int index) const { return ngzTest_ && static_cast<int>(*ngzTest_) == index; }
    std::optional<ScrTestKind> scrTest() const { return scrTest_; }
    std::optional<NgzTestKind> ngzTest() const { return ngzTest_; }

    // chkConfirPos: 0 unchecked, 1 checked. It starts unchecked and no operation
    // of the program checks it; the cost equations read it.
    int16_t chkConfirPos = 0;

    // Whether the user answered "Yes" to confirming positive results. The
    // confirmation question keeps it, so it outlives a cleared selection.
    bool confirmsPositives = false;

    // Selecting an option from code runs its click handler, as a click on the
    // option does. They return the message box text to show, if any; the form layer
    // shows it. A refused NGZ choice stays selected.
    std::optional<std::string> selectScrTest(VarCon& vc, ScrTestKind test);
    std::optional<std::string> selectNgzTest(VarCon& vc, NgzTestKind test);

    // The click handlers of the two option groups, for an option
    // that is already selected. Index is the option's index in its group.
    std::optional<std::string> OptScrTest_Click(VarCon& vc, int16_t Index);
    std::optional<std::string> optNgzTest_Click(VarCon& vc, int16_t Index);

    // The next pass selects its tests anew: no test, no retest, the check
    // box unchecked. The confirmation answer stays.
    void clear();

    static constexpr const char* MsgNgzNotForPcrLcr =
        "NGZ testing is not done on PCR and LCR Cervix and Urines test are performed recomend Radio "
        "botton none be selected";
    static constexpr const char* MsgNeedsEia = "The screening test radio button \"EIA\" needs to be active";

private:
    std::optional<ScrTestKind> scrTest_;
    std::optional<NgzTestKind> ngzTest_;
};
