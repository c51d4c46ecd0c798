// The chain over the figures in use: a comparison works the current strategy
// out again first, so nothing the results screen left behind goes stale.
#include "figures/ResultsInUse.h"

#include "figures/SwitchToComparison.h"
#include "model/Families.h"
#include "switchto/Passes.h"

#include <gtest/gtest.h>

namespace {

using K = ScrTestKind;

// A figure of the current test changed after the results were worked out
// (the sensitivity form left open beside them, say) reaches the comparison's
// current row: it is the row a pass with that figure from the start shows.
TEST(ResultsInUse, TheComparisonsCurrentRowFollowsAChangedFigureOfTheCurrentTest)
{
    struct Case {
        const char* name;
        K test;
        float VarCon::*figure;
        float changed;
    };
    const Case cases[] = {
        {"GenProbe's sensitivity", K::GenProbe, &VarCon::SensGP, 0.6f},
        {"EIA's specificity", K::EIA, &VarCon::SpecEIA, 0.9f},
        {"PCR Urine's sensitivity", K::PCRU, &VarCon::SensPCRU, 0.7f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        passes::Pass walked = passes::AfterResults(c.test, NgzTestKind::None);
        walked.vc.*c.figure = c.changed;
        VarCon fromStart = ScreenSequences::ThreeAgeGroups();
        fromStart.*c.figure = c.changed;
        passes::Pass fresh = passes::AfterResults(c.test, NgzTestKind::None, fromStart);

        passes::Pass stale = walked;
        const switchto::TestFigures leftBehind = switchto::CompareTests(stale.vc, stale.sel)->current;
        const switchto::TestFigures expected = switchto::CompareTests(fresh.vc, fresh.sel)->current;
        const std::optional<switchto::Comparison> inUse = ComparisonInUse(walked.vc, walked.sel);
        ASSERT_TRUE(inUse);
        EXPECT_NE(leftBehind.detected, expected.detected) << "the change moves the row at all";
        EXPECT_EQ(inUse->current.detected, expected.detected);
        EXPECT_EQ(inUse->current.missed, expected.missed);
        EXPECT_EQ(inUse->current.falsePositives, expected.falsePositives);
        EXPECT_EQ(walked.vc.CTNPMTot, fresh.vc.CTNPMTot);
    }
}

} // namespace
