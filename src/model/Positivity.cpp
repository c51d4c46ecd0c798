#include "model/Positivity.h"

#include "model/Families.h"

namespace {

bool takesPart(const VarCon& vc, int group)
{
    return vc.*Age::PerFem[size_t(group)] != 0 || vc.*Age::NoFem[size_t(group)] != 0;
}

float positivity(const VarCon& vc, int group) { return vc.*Age::PerFem[size_t(group)]; }

} // namespace

std::optional<PositivityConflict> positivityConflict(const VarCon& vc, float sensitivity, float specificity,
                                                     PositivityRule rule)
{
    const bool sum = rule != PositivityRule::Sensitivity, cap = rule != PositivityRule::Sum;
    for (int g = 0; g < AgeGroupCount; ++g) {
        if (!takesPart(vc, g))
            continue;
        if (sum && float(double(specificity) + double(positivity(vc, g))) < 1.0f)
            return PositivityConflict{g, false};
        if (cap && positivity(vc, g) > sensitivity)
            return PositivityConflict{g, true};
    }
    return std::nullopt;
}
