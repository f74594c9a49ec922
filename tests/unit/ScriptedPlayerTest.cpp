// Whole games played by scripted players against the real rules.
#include "support/GameFixture.h"
#include "support/PerfectPlayer.h"

using testing_support::GameFixture;
using testing_support::perfectPress;

namespace {

class ScriptedPlayer : public GameFixture {
protected:
    ScriptedPlayer() { random = testing_support::ScriptedRandom({0.1F, 0.6F, 0.9F, 0.3F, 0.7F}); }

    int level() const { return form.Label4.Caption.toInt(); }
};

}  // namespace

TEST_F(ScriptedPlayer, PerfectPlayRaisesTheLevelEveryTenGoodPresses)
{
    form.Command2_Click();
    int goodPresses = 0;
    while (level() < 20) {
        form.Timer1_Timer();
        ASSERT_TRUE(form.Timer1.Enabled) << "a perfect player never loses";
        ASSERT_EQ(form.speed, 60 + 20 * level());
        ASSERT_EQ(level(), goodPresses / 10);
        for (int i = 0; i < 2; ++i) {
            const int button = perfectPress(form, static_cast<std::size_t>(i));
            if (button == 0)
                continue;
            form.Command3_MouseDown(i, button);
            ++goodPresses;
            ASSERT_EQ(form.missCount, 0);
        }
    }
    EXPECT_EQ(form.speed, 60 + 20 * 20);
}

TEST_F(ScriptedPlayer, AnIdlePlayerLosesAtTheFifthFallThrough)
{
    form.Command2_Click();
    int fallThroughs = 0;
    int ticks = 0;
    while (form.Timer1.Enabled) {
        ASSERT_LT(++ticks, 10000);
        for (const auto& target : form.Command3) {
            const bool moving = &target == &form.Command3[0] || form.holdSecond == 0;
            if (moving && target.Top + form.speed >= form.Frame1.Height && target.Caption.isEmpty())
                ++fallThroughs;
        }
        form.Timer1_Timer();
        if (form.Timer1.Enabled) {
            ASSERT_EQ(form.missCount, fallThroughs);
            ASSERT_LT(fallThroughs, 5);
        }
    }
    EXPECT_GE(fallThroughs, 5);
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(messageBox.shown[0].prompt, QStringLiteral("GameOver\r\nLevel:0"));
}
