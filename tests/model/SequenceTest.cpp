// The call sequences of the results, comparison, cost and projection screens run headless with three age
// groups, for GenProbe, EIA and a PCR test. The expectations are worked out
// here step by step from the programme's figures (plain double arithmetic
// rounded to float where the screens store), not taken from the equations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ScreenSequences.h"
#include "model/Equations.h"
#include "model/Families.h"
#include "model/Rounding.h"

namespace {

using namespace ScreenSequences;

float f(double x) { return static_cast<float>(x); }

struct Group {
    double women, positivity;
};
const Group groups[3] = {{500, 0.1f}, {1200, 0.08f}, {800, 0.04f}};

double Positives(int g) { return f(groups[g].women * groups[g].positivity); }

// True prevalence and infected women of group g read with a test (se, sp).
float Prevalence(int g, double se, double sp)
{
    return f((Positives(g) / groups[g].women - 1 + sp) / ((se - 1) + sp));
}
float Infected(int g, double se, double sp) { return f(double(Prevalence(g, se, sp)) * groups[g].women); }
double Sum3(float a, float b, float c) { return f(double(a) + double(b) + double(c)); }

// The PID risk factor K for the programme's treatment figures.
double RiskIdentified()
{
    const double Q = double(f(double(0.857f) * 60 * 0.01)) + double(f(double(0.965f) * 40 * 0.01));
    const double P0 = 0.15f, P1 = 0.06f, R = 0.79f;
    return Q * P1 * R + (1 - Q) * P0 * R + (1 - R) * P0;
}

// The gray-zone share of the negatives: base sensitivity and specificity and
// those at the lowered cut-off.
struct Share {
    double se, seWith, sp, spWith;
    double of(double p) const
    {
        return f(((seWith - se) * p + (1 - p) * (sp - spWith)) / ((1 - se) * p + (1 - p) * sp));
    }
};

// An NGZ retest's finds per group: gray-zone base test (se, sp) and the factor
// of its cut-off, the test that reads the prevalence, the retest's
// sensitivity, and the shares of the groups under 25 and over 25 (the EIA
// gray-zone rule mixes two tests in the over-25 share).
struct Finds {
    float perGroup[3];
    double total;
};
Finds RetestFinds(double se, double sp, double factor, double prevSe, double prevSp, double sensRetest,
                  const Share& young, const Share& old)
{
    const double seWith = f(se * factor), spWith = f(sp - 0.001);
    Finds r{};
    for (int g = 0; g < 3; ++g) {
        const double p = Prevalence(g, prevSe, prevSp);
        const double prevNgz = f((seWith - se) * p / ((seWith - se) * p + (1 - p) * (sp - spWith)));
        const double share = (g < 2 ? young : old).of(p);
        r.perGroup[g] = f(prevNgz * share * sensRetest * (groups[g].women - Positives(g)));
    }
    r.total = Sum3(r.perGroup[0], r.perGroup[1], r.perGroup[2]);
    return r;
}
Finds RetestFinds(double se, double sp, double factor, double prevSe, double prevSp, double sensRetest,
                  const Share& all)
{
    return RetestFinds(se, sp, factor, prevSe, prevSp, sensRetest, all, all);
}

const double SensGP = 0.7f, SpecGP = 0.987f, SensEIA = 0.72f, SpecEIA = 0.985f;

TEST(Sequence, GenProbeWithoutRetest)
{
    VarCon vc = ThreeAgeGroups();
    const Selection sel = ChooseTests(vc, ScrTestKind::GenProbe, NgzTestKind::None);
    EXPECT_EQ(vc.CostScrTest, vc.CostGP);
    EXPECT_EQ(vc.CostPCA, Money::fromTicks(6'6300));

    // ---- the results screen -------------------------------------
    ResultsScreen(vc, sel, true);
    float infected[3], found[3], missed[3];
    for (int g = 0; g < 3; ++g) {
        infected[g] = Infected(g, SensGP, SpecGP);
        found[g] = f(double(infected[g]) * SensGP);
        missed[g] = f(double(infected[g]) - found[g]);
        EXPECT_EQ(vc.*Age::NoInFo[g], found[g]);
        EXPECT_EQ(vc.*Age::NoInMi[g], missed[g]);
    }
    const float infectedTotal = f(Sum3(infected[0], infected[1], infected[2]));
    EXPECT_EQ(vc.NoInfTotal, infectedTotal);
    EXPECT_EQ(vc.NoInFoTotal, f(SensGP * infectedTotal));
    EXPECT_EQ(vc.CostScr, Money::fromTicks(8375'0000));  // 2500 x 3.35
    EXPECT_EQ(vc.CostTx, Money::fromTicks(703'0000));    // 178 x 0.79 x 5.00 = 703.1
    EXPECT_EQ(vc.CostTxScr, Money::fromTicks(9078'0000));
    EXPECT_EQ(vc.CostConfirmTotal, 1180.0f);  // 178 x 6.63 = 1180.14
    EXPECT_EQ(vc.CostScrConfTx, Money::fromTicks(10258'0000));

    // Row 1 is PCR on GenProbe although the user chose no retest.
    EXPECT_EQ(vc.NgzTest, "PCR on GenProbe");
    EXPECT_EQ(vc.CostNgz, vc.CostPNGZ);
    const double K = RiskIdentified();
    const Finds pcr = RetestFinds(SensGP, SpecGP, 1.0849, SensGP, SpecGP, 0.89f,
                                  Share{SensGP, f(SensGP * 1.0849), SpecGP, f(SpecGP - 0.001)});
    EXPECT_EQ(vc.AddInfTotal, f(pcr.total));
    double noPidNgz = 0;
    for (int g = 0; g < 3; ++g) {
        const double stillMissed = f(double(infected[g]) - f(double(found[g]) + pcr.perGroup[g]));
        const double pidFound = f(K * pcr.perGroup[g] + stillMissed * 0.15f);
        const double averted = f(double(missed[g]) * 0.15f - pidFound);
        noPidNgz += f(double(vc.*Age::NoPid[g]) - averted);
    }
    EXPECT_EQ(vc.NoPidNgzTotal, f(noPidNgz));
    EXPECT_EQ(vc.PidCountDfaEia, 0.0f);  // only the EIA rows set them

    // ---- the comparison screen -------------------------------------
    SwitchToScreen(vc, sel);
    EXPECT_EQ(vc.NoInFoCur, vc.NoInFoTotal);
    EXPECT_EQ(vc.CTNPMTot, vc.NoInMiTotal);
    const double sens[6] = {SensGP, SensEIA, 0.9f, 0.85f, 0.9f, 0.85f};
    const double spec[6] = {SpecGP, SpecEIA, 0.996f, 0.996f, 0.996f, 0.996f};
    for (int t = 1; t < 6; ++t) {  // slot k = t with GenProbe current
        float pos[3], fnd[3], mis[3];
        for (int g = 0; g < 3; ++g) {
            const double p = Prevalence(g, SensGP, SpecGP);
            pos[g] = f((p * sens[t] + (1 - p) * (1 - spec[t])) * groups[g].women);
            fnd[g] = f(double(infected[g]) * sens[t]);
            mis[g] = f(double(infected[g]) - fnd[g]);
        }
        EXPECT_EQ(vc.*Slot::lblSATNPTot[t - 1], Rounding::WholeCount(Sum3(pos[0], pos[1], pos[2]))) << t;
        EXPECT_EQ(vc.*Slot::NoInFoSat[t - 1], f(Sum3(fnd[0], fnd[1], fnd[2]))) << t;
        EXPECT_EQ(vc.*Slot::SATPMTot[t - 1], f(Sum3(mis[0], mis[1], mis[2]))) << t;
        if (t == 1)
            for (int g = 0; g < 3; ++g) {
                EXPECT_EQ(vc.*Age::lblSAT1PM[g], Rounding::WholeCount(mis[g]));
                EXPECT_EQ(vc.*Age::StNoInMi[g], mis[g]);  // slot 1's (EIA), restored for the NGZ rows
            }
    }
    // What the comparison leaves for the cost and projection screens.
    EXPECT_EQ(vc.ScrTest, "GenProbe");
    EXPECT_EQ(vc.SensScr, vc.SensEIA);
    EXPECT_EQ(vc.Prev18, Prevalence(0, SensEIA, SpecEIA));
    EXPECT_EQ(vc.SensNgz, vc.SensPCREIA);
    EXPECT_EQ(vc.SensWithNgz, f(SensEIA * 1.107));

    // ---- the cost screen -------------------------------------------
    const float eiaMissed[3] = {vc.StNoInMi18, vc.StNoInMi1825, vc.StNoInMi25};
    const float gpMissed[3] = {vc.NoInMi18, vc.NoInMi1825, vc.NoInMi25};
    CostScreen(vc, sel);
    const double DT = 9.5 * (40 * 0.01) + 2.0 * (60 * 0.01);
    EXPECT_EQ(vc.DtcGP, Money::fromDouble(double(f(178.0 * 0.79f)) * DT));
    EXPECT_EQ(vc.DtcEIA, Money::fromDouble(vc.lblSAT1NPTot * double(0.79f) * DT));
    EXPECT_EQ(vc.CtsEIA, Money::fromDouble(4.2 * vc.lblSAT1NPTot));
    EXPECT_EQ(vc.MpGP, vc.CTNPMTot);
    EXPECT_EQ(vc.MpEIA, vc.SAT1PMTot);
    EXPECT_EQ(vc.PiGP, Money::fromDouble(vc.TstGP.toDouble() / (double(vc.NoInfTotalSt) - vc.MpGP)));
    // Option 1's finds (GenProbe prevalences, general shares), subtracted from
    // GenProbe's own per-group missed counts; those the comparison left for
    // EIA (slot 1) stay for the projection.
    EXPECT_EQ(vc.AddInfNgz1, f(pcr.total));
    double mpNgz1 = 0;
    for (int g = 0; g < 3; ++g)
        mpNgz1 += f(std::max(0.0, double(gpMissed[g]) - pcr.perGroup[g]));
    EXPECT_EQ(vc.MpNgz1, f(mpNgz1));
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ(vc.*Age::StNoInMi[g], eiaMissed[g]);
    // Options 2 and 3 on EIA: EIA's prevalences and the EIA (DFA-factor) shares.
    const double eiaX = SensEIA, eiaXw = f(SensEIA * 1.067), eiaY = SpecEIA, eiaYw = f(SpecEIA - 0.001);
    const Finds dfa = RetestFinds(SensEIA, SpecEIA, 1.067, SensEIA, SpecEIA, 0.871f, Share{eiaX, eiaXw, eiaY, eiaYw});
    EXPECT_EQ(vc.AddInfNgz2, f(dfa.total));
    EXPECT_EQ(vc.ScrTest, "GenProbe");
    EXPECT_EQ(vc.SensScr, vc.SensEIA);
    EXPECT_EQ(vc.SensNgz, vc.SensPCREIA);

    // ---- the projection screen -------------------------------------
    const float noPidNgzOfResults = vc.NoPidNgzTotal;
    ProjectionScreen(vc, sel);
    EXPECT_EQ(vc.PidNoWomGP, f(K * vc.NoInFoCur + double(vc.MpGP) * 0.15f));
    EXPECT_EQ(vc.PidNoWomEIA, f(K * vc.NoInFoSat1 + double(vc.MpEIA) * 0.15f));
    EXPECT_EQ(vc.PidCostGP, Money::fromDouble(1167.0 * vc.PidNoWomGP));
    // No retest chosen: option 1 reruns the chain and, nothing having changed,
    // gives the results screen's count.
    EXPECT_EQ(vc.PidNoWomNgz1, noPidNgzOfResults);
    // Option 2: GenProbe's prevalences (the rerun left them), the EIA rule's
    // shares read with GenProbe's values, EIA's whole missed counts.
    // CalcPerNgzEIA reads SensScr, SpecScr, now GenProbe's, for the groups
    // under 25, and the EIA base with GenProbe's lowered cut-off for over 25.
    const double gpXw = f(SensGP * 1.067);
    const Finds dfaOnGp =
        RetestFinds(SensEIA, SpecEIA, 1.067, SensGP, SpecGP, 0.871f, Share{SensGP, gpXw, SpecGP, f(SpecGP - 0.001)},
                    Share{SensEIA, gpXw, SpecEIA, f(SpecEIA - 0.001)});
    double B = 0, averted = 0;
    for (int g = 0; g < 3; ++g) {
        const double A = f(double(missed[g]) * 0.15f);
        B += f(K * found[g] + double(missed[g]) * 0.15f);
        const double M = f(std::max(0.0, double(vc.*Age::lblSAT1PM[g]) - dfaOnGp.perGroup[g]));
        averted += A - double(f(K * dfaOnGp.perGroup[g] + M * 0.15f));
    }
    EXPECT_EQ(vc.PidNoWomNgz2, f(double(f(B)) - averted));
    EXPECT_EQ(vc.PidCostNgz2, Money::fromDouble(1167.0 * vc.PidNoWomNgz2));
    EXPECT_EQ(vc.SensNgz, vc.SensPCREIA);
    EXPECT_EQ(vc.SensScr, vc.SensGP);
}

TEST(Sequence, GenProbeWithPcrTakesTheResultsCount)
{
    VarCon vc = ThreeAgeGroups();
    const Selection sel = ChooseTests(vc, ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe);
    ResultsScreen(vc, sel, false);
    EXPECT_EQ(vc.CostConfirmTotal, 0.0f);  // not confirmed: left as it was
    const float fromResults = vc.NoPidNgzTotal;
    SwitchToScreen(vc, sel);
    CostScreen(vc, sel);
    const float infTotal = vc.NoInfTotal;
    vc.NoPidNgzTotal = fromResults + 1;  // marks that option 1 copies, not recomputes
    ProjectionScreen(vc, sel);
    EXPECT_EQ(vc.PidNoWomNgz1, fromResults + 1);
    EXPECT_EQ(vc.NoInfTotal, infTotal);
}

TEST(Sequence, EiaWithDfa)
{
    VarCon vc = ThreeAgeGroups();
    const Selection sel = ChooseTests(vc, ScrTestKind::EIA, NgzTestKind::DfaOnEia);
    EXPECT_EQ(vc.CostNgz, vc.CostDNGZ);
    ResultsScreen(vc, sel, true);
    EXPECT_EQ(vc.CostConfirmTotal, f(std::nearbyint(4.2 * 178)));  // DFA after EIA: 747.6 -> 748

    const double K = RiskIdentified();
    float infected[3], found[3];
    for (int g = 0; g < 3; ++g) {
        infected[g] = Infected(g, SensEIA, SpecEIA);
        found[g] = f(double(infected[g]) * SensEIA);
    }
    // Row 1, DFA on EIA (general shares), row 2, PCR on EIA (EIA rule): the EIA
    // rows' PID counts are K x found + still missed x P0.
    const double xw = f(SensEIA * 1.067), yw = f(SpecEIA - 0.001);
    const Share eiaShare{SensEIA, xw, SpecEIA, yw};
    const Finds dfa = RetestFinds(SensEIA, SpecEIA, 1.067, SensEIA, SpecEIA, 0.871f, eiaShare);
    const Finds pcr = RetestFinds(SensEIA, SpecEIA, 1.107, SensEIA, SpecEIA, 0.89f, eiaShare);
    auto pidCount = [&](const Finds& finds) {
        double total = 0;
        for (int g = 0; g < 3; ++g) {
            const double stillMissed = f(double(infected[g]) - f(double(found[g]) + finds.perGroup[g]));
            total += f(K * found[g] + stillMissed * 0.15f);
        }
        return f(total);
    };
    EXPECT_EQ(vc.AddInfTotal, f(dfa.total));
    EXPECT_EQ(vc.AddInfTotal2, f(pcr.total));
    EXPECT_EQ(vc.PidCountDfaEia, pidCount(dfa));
    EXPECT_EQ(vc.PidCountPcrEia, pidCount(pcr));
    EXPECT_EQ(vc.PidFoundTotal, vc.PidCountDfaEia);
    EXPECT_EQ(vc.PidFoundTotal2, vc.PidCountPcrEia);
    EXPECT_EQ(vc.NgzTest, "PCR on EIA");  // the last row's
    EXPECT_EQ(vc.CostScr, Money::fromDouble(2.3 * 2500));  // row 2's four-decimal screening cost

    SwitchToScreen(vc, sel);
    // Slot 1 is GenProbe; the "GP/PCR" row subtracts option 1's finds from it.
    EXPECT_EQ(vc.ScrTest, "EIA");
    EXPECT_EQ(vc.SensScr, vc.SensGP);
    const Finds gpPcr = RetestFinds(SensGP, SpecGP, 1.0849, SensGP, SpecGP, 0.89f,
                                    Share{SensGP, f(SensGP * 1.0849), SpecGP, f(SpecGP - 0.001)});
    EXPECT_EQ(vc.StAddInfTotal, f(gpPcr.total));
    float gpMissed[3];
    for (int g = 0; g < 3; ++g) {
        gpMissed[g] = f(double(infected[g]) - f(double(infected[g]) * SensGP));
        EXPECT_EQ(vc.*Age::StNoInMi[g], gpMissed[g]);
    }

    CostScreen(vc, sel);
    EXPECT_EQ(vc.MpEIA, vc.CTNPMTot);
    EXPECT_EQ(vc.MpGP, vc.SAT1PMTot);
    EXPECT_EQ(vc.CtsGP, Money::fromDouble(6.63 * vc.lblSAT1NPTot));
    EXPECT_EQ(vc.CtsEIA, Money::fromDouble(4.2 * 178));
    EXPECT_EQ(vc.ScrTest, "GenProbe");

    ProjectionScreen(vc, sel);
    EXPECT_EQ(vc.PidNoWomNgz2, vc.PidCountDfaEia);
    EXPECT_EQ(vc.PidNoWomNgz3, vc.PidCountPcrEia);
    double option1 = 0;
    for (int g = 0; g < 3; ++g)
        option1 += f(K * found[g] + double(f(std::max(0.0, double(gpMissed[g]) - gpPcr.perGroup[g]))) * 0.15f);
    EXPECT_EQ(vc.PidNoWomNgz1, f(option1));
    EXPECT_EQ(vc.PidNoWomNgz1, f(Sum3(vc.StPidNgz18, vc.StPidNgz1825, vc.StPidNgz25)));
    EXPECT_EQ(vc.ScrTest, "EIA");
    EXPECT_EQ(vc.PidCostNgz3, Money::fromDouble(1167.0 * vc.PidNoWomNgz3));
}

TEST(Sequence, EiaWithPcrSwapsTheRows)
{
    VarCon vc = ThreeAgeGroups();
    const Selection sel = ChooseTests(vc, ScrTestKind::EIA, NgzTestKind::PcrOnEia);
    ResultsScreen(vc, sel, false);
    VarCon other = ThreeAgeGroups();
    const Selection dfaSel = ChooseTests(other, ScrTestKind::EIA, NgzTestKind::DfaOnEia);
    ResultsScreen(other, dfaSel, false);
    EXPECT_EQ(vc.PidCountPcrEia, other.PidCountPcrEia);
    EXPECT_EQ(vc.PidCountDfaEia, other.PidCountDfaEia);
    EXPECT_EQ(vc.PidFoundTotal, other.PidFoundTotal2);
    EXPECT_EQ(vc.NgzTest, "DFA on EIA");

    // The comparison's "GP/PCR" row is the same whatever EIA retest was chosen.
    SwitchToScreen(vc, sel);
    SwitchToScreen(other, dfaSel);
    EXPECT_EQ(vc.StAddInfTotal, other.StAddInfTotal);
    EXPECT_EQ(vc.StNoInMiNgzTotal, other.StNoInMiNgzTotal);
    CostScreen(vc, sel);
    CostScreen(other, dfaSel);
    EXPECT_EQ(vc.AddInfNgz1, other.AddInfNgz1);  // option 1 whatever the choice
}

TEST(Sequence, PcrCervixHasNoNgzRows)
{
    VarCon vc = ThreeAgeGroups();
    const Selection sel = ChooseTests(vc, ScrTestKind::PCRC, NgzTestKind::None);
    EXPECT_EQ(vc.CostNgz, Money());
    ResultsScreen(vc, sel, false);
    EXPECT_EQ(vc.AddInfTotal, 0.0f);
    EXPECT_EQ(vc.NgzTest, "No NGZ Test");
    float infected[3];
    for (int g = 0; g < 3; ++g)
        infected[g] = Infected(g, 0.9f, 0.996f);
    EXPECT_EQ(vc.NoInfTotal, f(Sum3(infected[0], infected[1], infected[2])));

    SwitchToScreen(vc, sel);
    EXPECT_EQ(vc.ScrTest, "PCR Cervix");
    EXPECT_EQ(vc.SensSt, vc.SensLCRU);  // slot 5's
    EXPECT_EQ(vc.lblSAT1PM18, 0);
    // GenProbe slot 1, EIA slot 2, PCR Urine slot 3, LCR Cervix 4, LCR Urine 5.
    double eiaFound = 0;
    for (int g = 0; g < 3; ++g)
        eiaFound += f(double(infected[g]) * SensEIA);
    EXPECT_EQ(vc.NoInFoSat2, f(eiaFound));

    vc.AdNgz1 = Money::fromTicks(42);  // an earlier value stays: no NGZ options
    CostScreen(vc, sel);
    EXPECT_EQ(vc.AdNgz1, Money::fromTicks(42));
    EXPECT_EQ(vc.MpPCRC, vc.CTNPMTot);
    EXPECT_EQ(vc.MpEIA, vc.SAT2PMTot);
    EXPECT_EQ(vc.CtsEIA, Money::fromDouble(4.2 * vc.lblSAT2NPTot));
    EXPECT_EQ(vc.CcstPCRC, vc.TstPCRC);

    vc.PidNoWomNgz1 = 7;
    ProjectionScreen(vc, sel);
    EXPECT_EQ(vc.PidNoWomNgz1, 7.0f);
    const double K = RiskIdentified();
    EXPECT_EQ(vc.PidNoWomPCRC, f(K * vc.NoInFoCur + double(vc.MpPCRC) * 0.15f));
    EXPECT_EQ(vc.PidNoWomLCRU, f(K * vc.NoInFoSat5 + double(vc.MpLCRU) * 0.15f));
}

TEST(Sequence, EmptyAgeGroupRunsThroughEveryScreen)
{
    VarCon vc = ThreeAgeGroups();
    vc.NoFem1825 = 0;
    const Selection sel = ChooseTests(vc, ScrTestKind::GenProbe, NgzTestKind::None);
    ResultsScreen(vc, sel, true);
    SwitchToScreen(vc, sel);
    CostScreen(vc, sel);
    ProjectionScreen(vc, sel);
    EXPECT_EQ(vc.NoInf1825, 0.0f);
    EXPECT_EQ(vc.AddInf1825, 0.0f);
    EXPECT_EQ(vc.StNoPos1825, 0.0f);
    EXPECT_TRUE(vc.PiGP.has_value());
    EXPECT_TRUE(std::isfinite(vc.PidNoWomNgz2));
}

} // namespace
