// The selection form's option groups and the unit costs in use.
#include <gtest/gtest.h>

#include "model/Equations.h"
#include "model/Selection.h"

namespace {

VarCon WithDefaults()
{
    VarCon vc;
    vc.SensGP = 0.7f, vc.SpecGP = 0.987f;
    vc.SensEIA = 0.75f, vc.SpecEIA = 0.99f;
    vc.SensPCRC = 0.9f, vc.SpecPCRC = 0.996f;
    vc.SensPCRU = 0.88f, vc.SpecPCRU = 0.995f;
    vc.SensLCRC = 0.91f, vc.SpecLCRC = 0.997f;
    vc.SensLCRU = 0.89f, vc.SpecLCRU = 0.994f;
    vc.SensPCRGP = 0.89f, vc.SensDFAEIA = 0.8f, vc.SensPCREIA = 0.9f;
    vc.CostGP = Money::fromTicks(1'1000), vc.CostEIA = Money::fromTicks(2'2000);
    vc.CostPCRC = Money::fromTicks(3'3000), vc.CostPCRU = Money::fromTicks(4'4000);
    vc.CostLCRC = Money::fromTicks(5'5000), vc.CostLCRU = Money::fromTicks(6'6000);
    vc.CostPNGZ = Money::fromTicks(9'6600), vc.CostDNGZ = Money::fromTicks(7'7700);
    return vc;
}

TEST(Selection, ScreeningOptionsCopyTheTest)
{
    struct Case {
        ScrTestKind test;
        const char* name;
        float sens, spec;
        int64_t costTicks;
    } cases[] = {
        {ScrTestKind::GenProbe, "GenProbe", 0.7f, 0.987f, 1'1000}, {ScrTestKind::EIA, "EIA", 0.75f, 0.99f, 2'2000},
        {ScrTestKind::PCRC, "PCR Cervix", 0.9f, 0.996f, 3'3000},  {ScrTestKind::PCRU, "PCR Urine", 0.88f, 0.995f, 4'4000},
        {ScrTestKind::LCRC, "LCR Cervix", 0.91f, 0.997f, 5'5000}, {ScrTestKind::LCRU, "LCR Urine", 0.89f, 0.994f, 6'6000},
    };
    for (const Case& c : cases) {
        VarCon vc = WithDefaults();
        Selection sel;
        EXPECT_EQ(sel.selectScrTest(vc, c.test), std::nullopt);
        EXPECT_EQ(vc.ScrTest, c.name);
        EXPECT_EQ(vc.SensScr, c.sens);
        EXPECT_EQ(vc.SpecScr, c.spec);
        EXPECT_EQ(vc.CostScrTest, Money::fromTicks(c.costTicks));
        EXPECT_TRUE(sel.OptScrTest(static_cast<int>(c.test)));
    }
}

TEST(Selection, GenProbeWithPcrOnGenProbe)
{
    VarCon vc = WithDefaults();
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::GenProbe);
    EXPECT_EQ(sel.selectNgzTest(vc, NgzTestKind::PcrOnGenProbe), std::nullopt);
    EXPECT_EQ(vc.ScrTest, "GenProbe");
    EXPECT_EQ(vc.NgzTest, "PCR on GenProbe");
    EXPECT_EQ(vc.SensNgz, 0.89f);
    EXPECT_EQ(vc.CostScrTest, vc.CostGP);
    EXPECT_EQ(vc.CostNgz, vc.CostPNGZ);
    VarCon zone = vc;
    Equations::SetNgzZoneGP(zone);
    EXPECT_EQ(vc.SensNgzBase, zone.SensNgzBase);
    EXPECT_EQ(vc.SensWithNgz, zone.SensWithNgz);
    EXPECT_EQ(vc.SpecWithNgz, zone.SpecWithNgz);
    EXPECT_EQ(vc.SensNgzBase, 0.7f);
}

TEST(Selection, EiaRetests)
{
    struct Case {
        NgzTestKind retest;
        const char* name;
        float sensNgz;
        float sensWith;
        int64_t costTicks;
    } cases[] = {
        {NgzTestKind::DfaOnEia, "DFA on EIA", 0.8f, static_cast<float>(double(0.75f) * 1.067), 7'7700},
        {NgzTestKind::PcrOnEia, "PCR on EIA", 0.9f, static_cast<float>(double(0.75f) * 1.107), 9'6600},
    };
    for (const Case& c : cases) {
        VarCon vc = WithDefaults();
        Selection sel;
        sel.selectScrTest(vc, ScrTestKind::EIA);
        EXPECT_EQ(sel.selectNgzTest(vc, c.retest), std::nullopt);
        EXPECT_EQ(vc.NgzTest, c.name);
        EXPECT_EQ(vc.SensNgz, c.sensNgz);
        EXPECT_EQ(vc.SensWithNgz, c.sensWith);
        EXPECT_EQ(vc.CostNgz, Money::fromTicks(c.costTicks));
    }
}

TEST(Selection, EiaThenNoneKeepsTheRetestValues)
{
    VarCon vc = WithDefaults();
    vc.SensNgz = 0.5f;
    vc.SensWithNgz = 0.6f;
    vc.CostNgz = Money::fromTicks(1);
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::EIA);
    EXPECT_EQ(sel.selectNgzTest(vc, NgzTestKind::None), std::nullopt);
    EXPECT_EQ(vc.NgzTest, "No NGZ Test");
    EXPECT_EQ(vc.CostNgz, Money());
    EXPECT_EQ(vc.SensNgz, 0.5f);
    EXPECT_EQ(vc.SensWithNgz, 0.6f);
}

TEST(Selection, RefusedRetestsShowTheirMessage)
{
    struct Case {
        ScrTestKind screening;
        NgzTestKind retest;
        const char* message;
        int64_t costTicks;
    } cases[] = {
        {ScrTestKind::GenProbe, NgzTestKind::DfaOnEia, Selection::MsgNeedsEia, 7'7700},
        {ScrTestKind::GenProbe, NgzTestKind::PcrOnEia, Selection::MsgNeedsEia, 9'6600},
        {ScrTestKind::EIA, NgzTestKind::PcrOnGenProbe, Selection::MsgNgzNotForPcrLcr, 9'6600},
        {ScrTestKind::PCRC, NgzTestKind::PcrOnGenProbe, Selection::MsgNgzNotForPcrLcr, 9'6600},
        {ScrTestKind::LCRU, NgzTestKind::DfaOnEia, Selection::MsgNgzNotForPcrLcr, 7'7700},
        {ScrTestKind::PCRU, NgzTestKind::PcrOnEia, Selection::MsgNgzNotForPcrLcr, 9'6600},
    };
    for (const Case& c : cases) {
        VarCon vc = WithDefaults();
        vc.NgzTest = "before";
        vc.SensNgz = 0.5f;
        Selection sel;
        sel.selectScrTest(vc, c.screening);
        EXPECT_EQ(sel.selectNgzTest(vc, c.retest), std::optional<std::string>(c.message));
        EXPECT_EQ(vc.NgzTest, "before");
        EXPECT_EQ(vc.SensNgz, 0.5f);
        EXPECT_EQ(vc.SensWithNgz, 0.0f);
        // The refused choice stays selected and the NGZ cost follows it.
        EXPECT_TRUE(sel.optNgzTest(static_cast<int>(c.retest)));
        EXPECT_EQ(vc.CostNgz, Money::fromTicks(c.costTicks));
    }
}

TEST(Selection, CostsChangeOnlyWhenTheCostProceduresRun)
{
    VarCon vc = WithDefaults();
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::GenProbe);
    sel.selectNgzTest(vc, NgzTestKind::PcrOnGenProbe);
    vc.CostGP = Money::fromTicks(2'0000);
    vc.CostPNGZ = Money::fromTicks(3'0000);
    EXPECT_EQ(vc.CostScrTest, Money::fromTicks(1'1000));
    vc.TxtCostDFA = Money::fromTicks(4'2000);
    vc.TxtCostPCA = Money::fromTicks(6'6300);
    // The agree step's order.
    Equations::SetCostConfirm(vc);
    Equations::SetCostNgz(vc, sel);
    Equations::SetCostScrTest(vc, sel);
    EXPECT_EQ(vc.CostScrTest, Money::fromTicks(2'0000));
    EXPECT_EQ(vc.CostNgz, Money::fromTicks(3'0000));
    EXPECT_EQ(vc.CostDFA, Money::fromTicks(4'2000));
    EXPECT_EQ(vc.CostPCA, Money::fromTicks(6'6300));
}

TEST(Selection, NothingSelectedKeepsTheCosts)
{
    VarCon vc = WithDefaults();
    vc.CostScrTest = Money::fromTicks(7);
    vc.CostNgz = Money::fromTicks(8);
    Selection sel;
    Equations::SetCostScrTest(vc, sel);
    Equations::SetCostNgz(vc, sel);
    EXPECT_EQ(vc.CostScrTest, Money::fromTicks(7));
    EXPECT_EQ(vc.CostNgz, Money::fromTicks(8));
}

TEST(Selection, ClearForgetsTheChoiceAndConfirmationReadsUnchecked)
{
    VarCon vc = WithDefaults();
    Selection sel;
    EXPECT_EQ(sel.chkConfirPos, 0);
    sel.selectScrTest(vc, ScrTestKind::EIA);
    sel.selectNgzTest(vc, NgzTestKind::DfaOnEia);
    sel.clear();
    EXPECT_FALSE(sel.scrTest().has_value());
    EXPECT_FALSE(sel.ngzTest().has_value());
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(sel.OptScrTest(i));
    EXPECT_EQ(sel.chkConfirPos, 0);
    // The values copied into the model state stay.
    EXPECT_EQ(vc.ScrTest, "EIA");
    EXPECT_EQ(vc.NgzTest, "DFA on EIA");
}

} // namespace

namespace {
// Choosing a retest and evaluating an NGZ option set the retest's sensitivity
// and cut-off; the retest's specificity in use is not theirs to write.
TEST(Selection, RetestsAndNgzOptionsLeaveTheRetestSpecificity)
{
    const std::pair<ScrTestKind, NgzTestKind> choices[] = {{ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe},
                                                           {ScrTestKind::EIA, NgzTestKind::DfaOnEia},
                                                           {ScrTestKind::EIA, NgzTestKind::PcrOnEia}};
    for (const auto& [test, retest] : choices) {
        VarCon vc = WithDefaults();
        vc.SpecPCRGP = 0.99f, vc.SpecDFAEIA = 0.98f, vc.SpecPCREIA = 0.97f;
        vc.SpecNgz = 0.5f;
        Selection sel;
        sel.selectScrTest(vc, test);
        sel.selectNgzTest(vc, retest);
        EXPECT_EQ(vc.SpecNgz, 0.5f) << static_cast<int>(retest);
        for (int option = 1; option <= 3; ++option) {
            Equations::EvaluateNgzOption(vc, sel, option);
            EXPECT_EQ(vc.SpecNgz, 0.5f) << "option " << option;
        }
    }
}
} // namespace
