#include <gtest/gtest.h>

#include "core/program.h"
#include "core/testing/test_adapters.h"

namespace velondo {
namespace {

struct ChoiceCase {
    const char* name;
    int n;
    double r;
    int minute, second;
    int expected;
};

class ChoiceIndexTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceIndexTest, FollowsTheClockCorrectedDraw) {
    const auto& c = GetParam();
    DateTime t{2026, 1, 5, 10, c.minute, c.second};
    EXPECT_EQ(ClockChoice(c.n, c.r, t), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Draws, ChoiceIndexTest,
                         ::testing::Values(ChoiceCase{"zero_clock_zero_r", 8, 0.0, 0, 0, 1},
                                           ChoiceCase{"negative_sum_wraps", 8, 0.0, 0, 59,
                                                      1},  // Int(8 × −0.967) = −8, mod 8 = 0
                                           ChoiceCase{"near_one", 8, 0.999, 0, 0, 8},
                                           ChoiceCase{"pool_of_ten", 10, 0.1, 0, 59, 2},
                                           ChoiceCase{"large_minute", 3, 0.5, 59, 0, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VirtualTime, FiresDueTimersInOrderAndKeepsRepeating) {
    testing::TestRig rig;
    Program& p = *rig.program;
    std::vector<std::string> fired;
    p.handlers.add("TmrTempo", "Timer", [&](Program&, const Event&) { fired.push_back("T"); });
    p.handlers.add("TmrCountDown", "Timer", [&](Program& prog, const Event&) {
        fired.push_back("C");
        prog.main.TmrCountDown.setEnabled(false);
    });
    p.main.TmrTempo.setEnabled(true);
    p.main.TmrCountDown.setEnabled(true);
    rig.time.advance(1000, p);
    // At 900 ms both are due: the one enabled earlier fires first.
    EXPECT_EQ(fired,
              (std::vector<std::string>{"T", "T", "T", "T", "T", "T", "T", "T", "C", "T", "T"}));
    EXPECT_EQ(rig.time.now().second, 1);
}

TEST(ProgramCall, AHandlerThatDoesNotExistIsALoggedFault) {
    testing::TestRig rig;
    Program& p = *rig.program;
    int clicks = 0;
    p.handlers.add("lblVisualizza", "Click", 10, 10, [&](Program&, const Event&) { ++clicks; });

    EXPECT_TRUE(p.call("lblVisualizza", 10, "Click"));
    EXPECT_TRUE(rig.log.errors.empty());
    EXPECT_FALSE(p.call("lblVisualizza", 12, "Click"));
    EXPECT_FALSE(p.call("lblNessuno", "MouseDown"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(rig.log.errors, (std::vector<std::string>{"no handler lblVisualizza(12).Click",
                                                        "no handler lblNessuno.MouseDown"}));

    // The view offers events nobody may listen to: not a fault.
    EXPECT_FALSE(p.offer("lblNessuno", "MouseMove"));
    EXPECT_EQ(rig.log.errors.size(), 2u);
}

}  // namespace
}  // namespace velondo
