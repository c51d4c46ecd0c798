#pragma once
// Equations: every equation of the model. Free
// functions over the model state (and the selection where an equation reads it),
// with the program's own names. They never read a widget: the values an equation reads
// off forms are kept in VarCon (see the end of VarCon.h).
//
// Arithmetic: every formula is evaluated in double precision from its 32-bit
// operands in the order the formula is written, and rounded to float when stored or
// returned; an all-ages total is the three stored values summed 18, 1825, 25.
// Costs are formed in double from Money converted to double.
#include <optional>

#include "model/Money.h"
#include "model/Selection.h"
#include "model/VarCon.h"

namespace Equations {

// ---- unit costs in use ------------------------------------------
void SetCostScrTest(VarCon& vc, const Selection& sel);
void SetCostNgz(VarCon& vc, const Selection& sel);
void SetCostConfirm(VarCon& vc);
// The unit costs the results are computed with: the confirmation costs in
// use, the NGZ retest's and the screening test's.
void SetUnitCostsInUse(VarCon& vc, const Selection& sel);

// ---- outcome chain ------------------------------------------------
float CalcNoPos(float n, float r);
float CalcTruePrev(float pos, float n, float sp, float se);
float CalcPPV(float p, float se, float sp);  // 0 when its denominator is 0
float CalcNoInfected(VarCon& vc);
float CalcNoInfFound(VarCon& vc);
float CalcNoInfMissed(VarCon& vc);
float CalcNoFalsePos(VarCon& vc);
float TotalScreened(const VarCon& vc);
float TotalPositives(const VarCon& vc);
float CalcNPV(VarCon& vc);  // an NPV whose denominator is 0 is 0

// ---- treatment, cost and PID ----------------------------------------
double CalcScreenCost(Money unitCost, float count);
double CalcTreatCost(float n, float R, float pD, Money cD, float pA, Money cA);
Money AddCurrency(Money a, Money b);
Money AddCurrency2(Money a, Money b);
void CalcCureDox(VarCon& vc, float pD);
void CalcCureAzi(VarCon& vc, float pA);
float CalcNoPid(VarCon& vc);
double CalcPidCost(const VarCon& vc);
float CalcPidNoScreen(VarCon& vc);
Money CalcPidCostNoScreen(VarCon& vc);
double CalcPidCostOf(const VarCon& vc, float cases);
// K: the PID risk of an identified infected woman (treated and cured, treated
// and not cured, not treated), from CureDox, CureAzi, ProbPid, ProbPidFactor and
// PerReturn as they stand; in double, as each formula forms it.
double PidRiskIdentified(const VarCon& vc);

// ---- NGZ retesting ----------------------------------------------------
void SetNgzZoneGP(VarCon& vc);
void SetNgzZoneDFAEIA(VarCon& vc);
void SetNgzZonePCREIA(VarCon& vc);
void CalcPrevNgz(VarCon& vc, float Se, float SeWith, float Sp, float SpWith);
float CalcPerNgz(VarCon& vc, const Selection& sel, float p18, float p1825, float p25, float Se, float SeWith,
                 float Sp, float SpWith);
float CalcPerNgzEIA(VarCon& vc, float p18, float p1825, float p25, float Se, float SeWith, float Sp,
                    float SpWith);
float CalcAddInfNgz(VarCon& vc);
float CalcInfFoundNgz(VarCon& vc, float F, float TP, float I);
float CalcNoNgzTests(VarCon& vc, float w18, float pos18, float gz18, float w1825, float pos1825, float gz1825,
                     float w25, float pos25, float gz25);
float CalcNgzTruePos(VarCon& vc, float q18, float gz18, float w18, float pos18, float s, float q1825,
                     float gz1825, float w1825, float pos1825, float q25, float gz25, float w25, float pos25);
float CalcNgzFalsePos(VarCon& vc, float t18, float tp18, float sp, float t1825, float tp1825, float t25,
                      float tp25);
double CalcNgzCost(const VarCon& vc, float gz18, float w18, float pos18, float gz1825, float w1825,
                   float pos1825, float gz25, float w25, Money unitCost, float found, float R, float pD, Money cD,
                   float pA, Money cA);
float DiffSingle(float a, float b);
float CalcPidFound(VarCon& vc);
float CalcPidFoundNgz(VarCon& vc);
float CalcPidAverted(VarCon& vc);
float CalcPidWithNgz(VarCon& vc);

// ---- switch-to-test ----------------------------------------------------
float StCalcPositives(VarCon& vc, float p18, float w18, float p1825, float w1825, float p25, float w25, float se,
                      float sp);
float StCalcInfFound(VarCon& vc);
float StCalcInfMissed(VarCon& vc);
float StCalcAddInfNgz(VarCon& vc, const Selection& sel);
// Infections still missed after the retest, per group never below 0.
float StCalcMissedNgz(VarCon& vc);

// ---- switch-to cost table --------------------------------------------
void StCalcScreenCosts(VarCon& vc);
void StCalcConfirmCosts(VarCon& vc, const Selection& sel);
void StCalcDrugCosts(VarCon& vc, const Selection& sel);
void StCalcScreenTreatCosts(VarCon& vc);
void StCalcConfirmTotals(VarCon& vc);
void StGetMissedPositives(VarCon& vc, const Selection& sel);
void StCalcCostPerPositive(VarCon& vc, const Selection& sel);
// DT, the drug cost per treated woman weighted by the two drugs' percentages.
double DrugCostPerTreated(const VarCon& vc);
// A cost per true positive identified: no value when the divisor is half a
// woman or less (it shows as 0: nothing identified) or the quotient leaves the
// Money range.
OptionalMoney CostPerPositive(Money cost, double divisor);

// ---- NGZ option costs ----------------------------------------------------
void NgzCalcAddCosts(VarCon& vc, const Selection& sel);
void NgzCalcTotalCosts(VarCon& vc);
void NgzCalcTotalConfirmCosts(VarCon& vc);
void NgzCalcMissedPositives(VarCon& vc, const Selection& sel);
void NgzCalcCostPerAddPositive(VarCon& vc);
void NgzCalcCostPerPositive(VarCon& vc, const Selection& sel);
// Evaluating NGZ option 1, 2 or 3 (shared pieces): sets up the
// option's retest and returns its finds, all ages; leaves the working variables
// at the option's values. The caller sets ScrTest first.
float EvaluateNgzOption(VarCon& vc, const Selection& sel, int option);

// ---- projected PID ---------------------------------------------------------
void AnCalcPidPerTest(VarCon& vc, const Selection& sel);
void AnCalcPidCostPerTest(VarCon& vc);
void AnCalcPidPerNgz(VarCon& vc, const Selection& sel);
float AnCalcPidNgzFromEIA(VarCon& vc, const Selection& sel);
void AnRecomputeNgzOptions(VarCon& vc, const Selection& sel);
void AnCalcPidCostPerNgz(VarCon& vc);

} // namespace Equations
