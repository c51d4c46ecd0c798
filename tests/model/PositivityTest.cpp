// Whether each age group's positivity fits a screening test's figures.
#include <gtest/gtest.h>

#include "model/Positivity.h"
#include "model/VarCon.h"

#include <optional>

namespace {

struct Case {
    const char* name;
    float noFem[3];
    float perFem[3];
    float sensitivity, specificity;
    PositivityRule rule;
    std::optional<PositivityConflict> expected;
};

const Case kCases[] = {
    {"fits", {100, 100, 100}, {0.1f, 0.05f, 0.02f}, 0.7f, 0.987f, PositivityRule::Both, std::nullopt},
    {"sum short in the second group", {100, 100, 100}, {0.1f, 0.05f, 0.02f}, 0.7f, 0.9f, PositivityRule::Both,
     PositivityConflict{1, false}},
    {"a group with women and no positivity takes part", {100, 0, 0}, {0, 0, 0}, 0.7f, 0.95f,
     PositivityRule::Both, PositivityConflict{0, false}},
    {"a group with neither takes no part", {0, 100, 0}, {0, 0.2f, 0}, 0.7f, 0.9f, PositivityRule::Both,
     std::nullopt},
    {"positivity above the sensitivity", {100, 100, 100}, {0.1f, 0.05f, 0.8f}, 0.7f, 0.99f,
     PositivityRule::Both, PositivityConflict{2, true}},
    {"the sum rule leaves the sensitivity alone", {100, 100, 100}, {0.1f, 0.05f, 0.8f}, 0.7f, 0.99f,
     PositivityRule::Sum, std::nullopt},
    {"the sensitivity rule leaves the sum alone", {100, 100, 100}, {0.01f, 0.05f, 0.02f}, 0.7f, 0.9f,
     PositivityRule::Sensitivity, std::nullopt},
    {"an earlier group first", {100, 100, 100}, {0.9f, 0.01f, 0.02f}, 0.7f, 0.95f, PositivityRule::Both,
     PositivityConflict{0, true}},
    {"within a group the sum first", {100, 0, 0}, {0.8f, 0, 0}, 0.7f, 0.1f, PositivityRule::Both,
     PositivityConflict{0, false}},
    // 0.95f + 0.05f falls short of 1 in double arithmetic but reaches it as a 32-bit sum.
    {"the sum is taken as a float", {100, 0, 0}, {0.05f, 0, 0}, 0.7f, 0.95f, PositivityRule::Both, std::nullopt},
};

TEST(Positivity, ConflictsFollowTheRule)
{
    for (const Case& c : kCases) {
        VarCon vc;
        vc.NoFem18 = c.noFem[0], vc.NoFem1825 = c.noFem[1], vc.NoFem25 = c.noFem[2];
        vc.PerFem18 = c.perFem[0], vc.PerFem1825 = c.perFem[1], vc.PerFem25 = c.perFem[2];
        const std::optional<PositivityConflict> got = positivityConflict(vc, c.sensitivity, c.specificity, c.rule);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.name;
        if (got) {
            EXPECT_EQ(got->group, c.expected->group) << c.name;
            EXPECT_EQ(got->aboveSensitivity, c.expected->aboveSensitivity) << c.name;
        }
    }
}

} // namespace
