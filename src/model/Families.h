#pragma once
// Runs of like values in VarCon, as arrays of pointers to members, so an
// equation can walk the age groups (18, 1825, 25) or the screening tests
// (ScrTestKind order) in their fixed order without repeating itself.
#include <array>

#include "model/VarCon.h"

enum class ScrTestKind { GenProbe = 0, EIA = 1, PCRC = 2, PCRU = 3, LCRC = 4, LCRU = 5 };
enum class NgzTestKind { None = 0, PcrOnGenProbe = 1, DfaOnEia = 2, PcrOnEia = 3 };

inline constexpr int AgeGroupCount = 3;
inline constexpr int ScrTestCount = 6;

template <typename T>
using AgeFamily = std::array<T VarCon::*, AgeGroupCount>;
template <typename T>
using TestFamily = std::array<T VarCon::*, ScrTestCount>;

#define MODEL_AGE_FAMILY(stem) \
    inline constexpr AgeFamily<float> stem{&VarCon::stem##18, &VarCon::stem##1825, &VarCon::stem##25}
#define MODEL_TEST_FAMILY(type, stem)                                                                \
    inline constexpr TestFamily<type> stem{&VarCon::stem##GP,   &VarCon::stem##EIA,  &VarCon::stem##PCRC, \
                                           &VarCon::stem##PCRU, &VarCon::stem##LCRC, &VarCon::stem##LCRU}

namespace Age {
MODEL_AGE_FAMILY(NoFem);
MODEL_AGE_FAMILY(PerFem);
MODEL_AGE_FAMILY(NoPos);
MODEL_AGE_FAMILY(Prev);
MODEL_AGE_FAMILY(NoInf);
MODEL_AGE_FAMILY(NoInFo);
MODEL_AGE_FAMILY(NoInMi);
MODEL_AGE_FAMILY(PPV);
MODEL_AGE_FAMILY(NPV);
MODEL_AGE_FAMILY(NoPid);
MODEL_AGE_FAMILY(NoPidNoScr);
MODEL_AGE_FAMILY(PrevNgz);
MODEL_AGE_FAMILY(PerNgz);
MODEL_AGE_FAMILY(AddInf);
MODEL_AGE_FAMILY(NoInFoNgz);
MODEL_AGE_FAMILY(NoInMiNgz);
MODEL_AGE_FAMILY(NoNgzTst);
MODEL_AGE_FAMILY(NgzTP);
MODEL_AGE_FAMILY(AdFaPo);
MODEL_AGE_FAMILY(PidFound);
MODEL_AGE_FAMILY(PidAverted);
MODEL_AGE_FAMILY(NoPidNgz);
MODEL_AGE_FAMILY(StNoPos);
MODEL_AGE_FAMILY(StNoInFo);
MODEL_AGE_FAMILY(StNoInMi);
MODEL_AGE_FAMILY(StAddInf);
MODEL_AGE_FAMILY(StNoInMiNgz);
MODEL_AGE_FAMILY(StPidNgz);
// FrmSwitchTo's captions of slot 1's missed positives (lblSAT1PM18, lblSAT1PM182, lblSAT1PM25).
inline constexpr AgeFamily<int64_t> lblSAT1PM{&VarCon::lblSAT1PM18, &VarCon::lblSAT1PM182,
                                              &VarCon::lblSAT1PM25};
} // namespace Age

namespace PerTest {
MODEL_TEST_FAMILY(float, Sens);
MODEL_TEST_FAMILY(float, Spec);
MODEL_TEST_FAMILY(Money, Cost);
MODEL_TEST_FAMILY(Money, Isc);
MODEL_TEST_FAMILY(Money, Cts);
MODEL_TEST_FAMILY(Money, Dtc);
MODEL_TEST_FAMILY(Money, Tst);
MODEL_TEST_FAMILY(Money, Ccst);
MODEL_TEST_FAMILY(float, Mp);
MODEL_TEST_FAMILY(OptionalMoney, Pi);
MODEL_TEST_FAMILY(float, PidNoWom);
MODEL_TEST_FAMILY(Money, PidCost);

// Display names of the tests as ScrTest holds them.
inline constexpr std::array<const char*, ScrTestCount> Name{"GenProbe",  "EIA",        "PCR Cervix",
                                                            "PCR Urine", "LCR Cervix", "LCR Urine"};
} // namespace PerTest

// The comparison screen's values per display slot 1..5 (index 0 is slot 1).
namespace Slot {
inline constexpr std::array<float VarCon::*, 5> NoInFoSat{&VarCon::NoInFoSat1, &VarCon::NoInFoSat2,
                                                          &VarCon::NoInFoSat3, &VarCon::NoInFoSat4,
                                                          &VarCon::NoInFoSat5};
inline constexpr std::array<float VarCon::*, 5> SATPMTot{&VarCon::SAT1PMTot, &VarCon::SAT2PMTot,
                                                         &VarCon::SAT3PMTot, &VarCon::SAT4PMTot,
                                                         &VarCon::SAT5PMTot};
inline constexpr std::array<int64_t VarCon::*, 5> lblSATNPTot{&VarCon::lblSAT1NPTot, &VarCon::lblSAT2NPTot,
                                                              &VarCon::lblSAT3NPTot, &VarCon::lblSAT4NPTot,
                                                              &VarCon::lblSAT5NPTot};

// Display slot of `test` on the comparison screen while `current` is the current
// test: 0 for the current test itself, otherwise 1..5 in ScrTestKind order with
// the current test left out.
constexpr int Of(ScrTestKind test, ScrTestKind current)
{
    const int t = static_cast<int>(test);
    const int c = static_cast<int>(current);
    if (t == c)
        return 0;
    return t < c ? t + 1 : t;
}
} // namespace Slot

#undef MODEL_AGE_FAMILY
#undef MODEL_TEST_FAMILY
