#pragma once
// VarCon: the model state, one flat set
// of named values that lives for the whole run. Every count, rate and share is
// a 32-bit float, every cost is Money, flags are 16-bit integers with True = -1,
// texts are strings. Everything starts at 0 / empty.
//
// Suffixes: age group 18, 1825, 25 (Total = all ages); screening test GP, EIA,
// PCRC, PCRU, LCRC, LCRU; NGZ retest PCRGP, DFAEIA, PCREIA; NGZ option 1, 2, 3;
// drug Dox, Azi.
#include <cstdint>
#include <optional>
#include <string>

#include "model/Money.h"

// A cost per true positive identified has no value when no infection is
// identified (the divisor shows as 0 women: half a woman or less); the screens
// then show "n/a".
using OptionalMoney = std::optional<Money>;

struct VarCon {
    // ---- flags and text ---------------------------------------
    int16_t ScreenMax = 0;  // 6 = Yes, 7 = No, 0 until answered
    int16_t InstructFromTesting = 0;
    int16_t QuestPopFromSenSpec = 0;
    int16_t SpecEntered = 0;
    std::string Region;

    // ---- programme figures per age group -----------------------
    float NoFem18 = 0, NoFem1825 = 0, NoFem25 = 0;
    float PerFem18 = 0, PerFem1825 = 0, PerFem25 = 0;

    // ---- treatment parameters -----------------------------------
    float PerReturn = 0;
    float PerDox = 0, PerAzi = 0;  // percentages 0..100
    float CCRateDox = 0, CCRateAzi = 0;
    float ProbPid = 0, ProbPidFactor = 0;

    // ---- test characteristics -----------------------------------
    float SensGP = 0, SpecGP = 0;
    float SensEIA = 0, SpecEIA = 0;
    float SensPCRC = 0, SpecPCRC = 0;
    float SensPCRU = 0, SpecPCRU = 0;
    float SensLCRC = 0, SpecLCRC = 0;
    float SensLCRU = 0, SpecLCRU = 0;
    float SensPCRGP = 0, SpecPCRGP = 0;
    float SensDFAEIA = 0, SpecDFAEIA = 0;
    float SensPCREIA = 0, SpecPCREIA = 0;

    // ---- unit costs ---------------------------------------------
    Money CostGP, CostEIA, CostPCRC, CostPCRU, CostLCRC, CostLCRU;
    Money CostDNGZ, CostPNGZ;
    Money CostDFA, CostPCA;
    Money CostDox, CostAzi;
    Money CostPID;

    // ---- values in use ------------------------------------------
    std::string ScrTest;
    std::string NgzTest;
    float SensScr = 0, SpecScr = 0;
    float SensNgz = 0;
    float SpecNgz = 0;  // kept beside SensNgz; no equation reads it
    float SensNgzBase = 0, SpecNgzBase = 0, SensWithNgz = 0, SpecWithNgz = 0;
    float SensSt = 0, SpecSt = 0;
    Money CostScrTest, CostNgz;
    Money CostConfirm;  // nothing writes it yet

    // ---- current strategy per age group ---------------------------
    float NoPos18 = 0, NoPos1825 = 0, NoPos25 = 0;
    float Prev18 = 0, Prev1825 = 0, Prev25 = 0;
    float NoInf18 = 0, NoInf1825 = 0, NoInf25 = 0;
    float NoInFo18 = 0, NoInFo1825 = 0, NoInFo25 = 0;
    float NoInMi18 = 0, NoInMi1825 = 0, NoInMi25 = 0;
    float PPV18 = 0, PPV1825 = 0, PPV25 = 0;
    float NPV18 = 0, NPV1825 = 0, NPV25 = 0;
    float NoPid18 = 0, NoPid1825 = 0, NoPid25 = 0;
    float NoPidNoScr18 = 0, NoPidNoScr1825 = 0, NoPidNoScr25 = 0;

    // ---- current strategy totals and costs -------------------------
    float NoInfTotal = 0, NoInFoTotal = 0, NoInMiTotal = 0;
    float NoFaPoTotal = 0;
    float NoPosTotal = 0;
    float CureDox = 0, CureAzi = 0;
    float NoPidTotal = 0, NoPidNoScrTotal = 0;
    Money CostScr;
    Money CostTx, CostTxScr;
    Money CostPidTotal, CostPidNoScr;
    float CostConfirmTotal = 0;
    Money CostScrConfTx;

    // ---- NGZ retesting per age group --------------------------------
    float PrevNgz18 = 0, PrevNgz1825 = 0, PrevNgz25 = 0;
    float PerNgz18 = 0, PerNgz1825 = 0, PerNgz25 = 0;
    float AddInf18 = 0, AddInf1825 = 0, AddInf25 = 0;
    float NoInFoNgz18 = 0, NoInFoNgz1825 = 0, NoInFoNgz25 = 0;
    float NoInMiNgz18 = 0, NoInMiNgz1825 = 0, NoInMiNgz25 = 0;
    float NoNgzTst18 = 0, NoNgzTst1825 = 0, NoNgzTst25 = 0;
    float NgzTP18 = 0, NgzTP1825 = 0, NgzTP25 = 0;
    float AdFaPo18 = 0, AdFaPo1825 = 0, AdFaPo25 = 0;
    float PidFound18 = 0, PidFound1825 = 0, PidFound25 = 0;
    float PidAverted18 = 0, PidAverted1825 = 0, PidAverted25 = 0;
    float NoPidNgz18 = 0, NoPidNgz1825 = 0, NoPidNgz25 = 0;

    // ---- NGZ retesting totals and the results screen's rows ----------
    float NoInFoNgzTotal = 0, NoInMiNgzTotal = 0;
    float AddInfTotal = 0, AddInfTotal2 = 0;
    float InfMisNgz = 0, InfMisNgz2 = 0;
    float NoNgzTstTotal = 0, NoNgzTstTotal2 = 0;
    float NgzTPTotal = 0, NgzTPTotal2 = 0;
    float AdFaPoTotal = 0, AdFaPoTotal2 = 0;
    float AddFound = 0, AddFound2 = 0;
    Money AddCost, AddCost2;
    Money CostTxScr2;
    Money TotalCost, TotalCost2;
    float PidFoundTotal = 0, PidFoundTotal2 = 0;
    float PidAvertedTotal = 0;
    float NoPidNgzTotal = 0;
    Money CostPidNgz, CostPidNgz2;

    // ---- switch-to comparison ----------------------------------------
    float NoInfTotalSt = 0;
    float StNoPos18 = 0, StNoPos1825 = 0, StNoPos25 = 0, StNoPosTotal = 0;
    float StNoInFo18 = 0, StNoInFo1825 = 0, StNoInFo25 = 0, StNoInFoTotal = 0;
    float StNoInMi18 = 0, StNoInMi1825 = 0, StNoInMi25 = 0, StNoInMiTotal = 0;
    float StAddInf18 = 0, StAddInf1825 = 0, StAddInf25 = 0, StAddInfTotal = 0;
    float StNoInMiNgz18 = 0, StNoInMiNgz1825 = 0, StNoInMiNgz25 = 0, StNoInMiNgzTotal = 0;
    float NoInFoCur = 0;
    float NoInFoSat1 = 0, NoInFoSat2 = 0, NoInFoSat3 = 0, NoInFoSat4 = 0, NoInFoSat5 = 0;

    // ---- switch-to costs per test ------------------------------
    Money IscGP, IscEIA, IscPCRC, IscPCRU, IscLCRC, IscLCRU;
    Money CtsGP, CtsEIA, CtsPCRC, CtsPCRU, CtsLCRC, CtsLCRU;
    Money DtcGP, DtcEIA, DtcPCRC, DtcPCRU, DtcLCRC, DtcLCRU;
    Money TstGP, TstEIA, TstPCRC, TstPCRU, TstLCRC, TstLCRU;
    Money CcstGP, CcstEIA, CcstPCRC, CcstPCRU, CcstLCRC, CcstLCRU;
    float MpGP = 0, MpEIA = 0, MpPCRC = 0, MpPCRU = 0, MpLCRC = 0, MpLCRU = 0;
    OptionalMoney PiGP, PiEIA, PiPCRC, PiPCRU, PiLCRC, PiLCRU;
    Money CostPerTestSt;

    // ---- NGZ options -------------------------------------------
    float AddInfNgz1 = 0, AddInfNgz2 = 0, AddInfNgz3 = 0;
    Money AdNgz1, AdNgz2, AdNgz3;
    Money CstNgz1, CstNgz2, CstNgz3;
    Money CsctNgz1, CsctNgz2, CsctNgz3;
    float MpNgz1 = 0, MpNgz2 = 0, MpNgz3 = 0;
    OptionalMoney CatpiNgz1, CatpiNgz2, CatpiNgz3;
    OptionalMoney TctpiNgz1, TctpiNgz2, TctpiNgz3;

    // ---- projected PID ----------------------------------------
    float PidNoWomGP = 0, PidNoWomEIA = 0, PidNoWomPCRC = 0, PidNoWomPCRU = 0, PidNoWomLCRC = 0,
          PidNoWomLCRU = 0;
    Money PidCostGP, PidCostEIA, PidCostPCRC, PidCostPCRU, PidCostLCRC, PidCostLCRU;
    float PidNoWomNgz1 = 0, PidNoWomNgz2 = 0, PidNoWomNgz3 = 0;
    Money PidCostNgz1, PidCostNgz2, PidCostNgz3;
    float StPidNgz18 = 0, StPidNgz1825 = 0, StPidNgz25 = 0;

    // ---- Values the equations read off forms ------------------------------------------
    // The equations never read a widget: each form writes here the value it puts
    // into the control, and the equation reads it from here.

    // FrmTestCost writes the amount its currency fields TxtCostDFA and TxtCostPCA
    // show, whenever it fills them; read by SetCostConfirm.
    Money TxtCostDFA, TxtCostPCA;
    // FrmScrResult's public PID counts of its NGZ rows DFA on EIA and PCR on EIA,
    // written by its EIA modules; read by AnCalcPidPerNgz.
    float PidCountDfaEia = 0, PidCountPcrEia = 0;
    // FrmScrResult's captions of the PID cases and their cost if no screening
    // occurred, as the whole numbers they show; read by the projection and graph screens.
    int64_t lblNoPID2 = 0;
    Money lblPIDCost2;
    // FrmSwitchTo's public values: the current test's positives missed,
    // and those of the tests in display slots 1..5; read by StGetMissedPositives.
    float CTNPMTot = 0;
    float SAT1PMTot = 0, SAT2PMTot = 0, SAT3PMTot = 0, SAT4PMTot = 0, SAT5PMTot = 0;
    // FrmSwitchTo's captions, as the whole numbers they show (Rounding::WholeCount
    // of the value, halves to even): the positives of slots 1..5, read by
    // StCalcConfirmCosts and StCalcDrugCosts; slot 1's missed
    // positives per age group, read by AnRecomputeNgzOptions.
    int64_t lblSAT1NPTot = 0, lblSAT2NPTot = 0, lblSAT3NPTot = 0, lblSAT4NPTot = 0, lblSAT5NPTot = 0;
    int64_t lblSAT1PM18 = 0, lblSAT1PM182 = 0, lblSAT1PM25 = 0;
};
