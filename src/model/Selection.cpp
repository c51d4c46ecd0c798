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

std::optional<std::string> Selection::optNgzTest_Click(VarCon& vc, int16_t Index)
{
    std::optional<std::string> message;
    switch (Index) {
    case 0:
        vc.NgzTest = "No NGZ Test";
        break;
    case 1:
        if (OptScrTest(0)) {
            vc.SensNgz = vc.SensPCRGP;
            vc.SpecNgz = vc.SpecPCRGP;
            vc.NgzTest = "PCR on GenProbe";
            Equations::SetNgzZoneGP(vc);
        } else {
            message = MsgNgzNotForPcrLcr;
        }
        break;
    case 2:
    case 3:
        if (!OptScrTest(0) && !OptScrTest(1)) {
            message = MsgNgzNotForPcrLcr;
        } else if (OptScrTest(1)) {
            if (Index == 2) {
                vc.SensNgz = vc.SensDFAEIA;
                vc.SpecNgz = vc.SpecDFAEIA;
                vc.NgzTest = "DFA on EIA";
                Equations::SetNgzZoneDFAEIA(vc);
            } else {
                vc.SensNgz = vc.SensPCREIA;
                vc.SpecNgz = vc.SpecPCREIA;
                vc.NgzTest = "PCR on EIA";
                Equations::SetNgzZonePCREIA(vc);
            }
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
