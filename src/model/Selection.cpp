#include "model/Selection.h"

#include "model/Equations.h"
#include "model/VarCon.h"

std::optional<std::string> Selection::selectScrTest(VarCon& vc, ScrTestKind test)
{
    scrTest_ = test;
    return OptScrTest_Click(vc, static_cast<int16_t>(test));
}

std::optional<std::string> Selection::selectNgzTest(VarCon& vc, NgzTestKind test)
{
    ngzTest_ = test;
    return optNgzTest_Click(vc, static_cast<int16_t>(test));
}

std::optional<std::string> Selection::OptScrTest_Click(VarCon& vc, int16_t Index)
{
    if (Index >= 0 && Index < ScrTestCount) {
        vc.ScrTest = PerTest::Name[Index];
        vc.SensScr = vc.*PerTest::Sens[Index];
        vc.SpecScr = vc.*PerTest::Spec[Index];
    }
    Equations::SetCostScrTest(vc, *this);
    return std::nullopt;
}

namespace {
// Puts a retest in use: its sensitivity, its name and its gray-zone cut-offs.
// Its specificity is not copied: choosing a retest never did.
void UseRetest(VarCon& vc, float sens, const char* name, void (*setZone)(VarCon&))
{
    vc.SensNgz = sens;
    vc.NgzTest = name;
    setZone(vc);
}
} // namespace

std::optional<std::string> Selection::optNgzTest_Click(VarCon& vc, int16_t Index)
{
    std::optional<std::string> message;
    switch (Index) {
    case 0:
        vc.NgzTest = "No NGZ Test";
        break;
    case 1:
        if (OptScrTest(0)) {
            UseRetest(vc, vc.SensPCRGP, "PCR on GenProbe", Equations::SetNgzZoneGP);
        } else {
            message = MsgNgzNotForPcrLcr;
        }
        break;
    case 2:
    case 3:
        if (!OptScrTest(0) && !OptScrTest(1)) {
            message = MsgNgzNotForPcrLcr;
        } else if (OptScrTest(1)) {
            if (Index == 2)
                UseRetest(vc, vc.SensDFAEIA, "DFA on EIA", Equations::SetNgzZoneDFAEIA);
            else
                UseRetest(vc, vc.SensPCREIA, "PCR on EIA", Equations::SetNgzZonePCREIA);
        } else {
            message = MsgNeedsEia;
        }
        break;
    default:
        break;
    }
    Equations::SetCostNgz(vc, *this);
    return message;
}

void Selection::clear()
{
    scrTest_.reset();
    ngzTest_.reset();
    chkConfirPos = 0;
}
