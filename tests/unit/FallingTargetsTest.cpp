#include "support/GameFixture.h"

using platform::kFalse;
using platform::kTrue;
using testing_support::GameFixture;
namespace colours = platform::colours;

namespace {

const QString kFiveLives = QStringLiteral("■■■■■");
const QString kFourLives = QStringLiteral("■■■■");

class FallingTargets : public GameFixture {
protected:
    FallingTargets() { form.Command2_Click(); }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            form.Timer1_Timer();
    }

    // Both targets falling on their own, target 1 released.
    void releaseTarget1(float top0, float top1)
    {
        form.holdSecond = kFalse;
        form.Command3[0].Top = top0;
        form.Command3[1].Top = top1;
    }
};

}  // namespace

TEST_F(FallingTargets, FirstTickMovesOnlyTarget0)
{
    form.Timer1_Timer();
    EXPECT_EQ(form.Command3[0].Top, -340);
    EXPECT_EQ(form.Command3[1].Top, -400);
    EXPECT_EQ(form.holdSecond, kTrue);
}

TEST_F(FallingTargets, Target1IsReleasedWhenTarget0ReachesHalfWay)
{
    ticks(35);
    EXPECT_EQ(form.Command3[0].Top, 1700);
    EXPECT_EQ(form.Command3[1].Top, -400);
    EXPECT_EQ(form.holdSecond, kTrue);

    form.Timer1_Timer();  // 1760 passes the half-way line at 1732
    EXPECT_EQ(form.Command3[0].Top, 1760);
    EXPECT_EQ(form.holdSecond, kFalse);
    EXPECT_EQ(form.Command3[1].Top, -340) << "target 1 moves in the tick that releases it";

    form.Timer1_Timer();
    EXPECT_EQ(form.Command3[0].Top, 1820);
    EXPECT_EQ(form.Command3[1].Top, -280);
}

TEST_F(FallingTargets, RespawnsWhenTheTopReachesTheBottomExactly)
{
    releaseTarget1(3810, 3809);
    form.Command3[0].Caption = QStringLiteral("OK");
    form.Command3[1].Caption = QStringLiteral("OK");
    form.Timer1_Timer();
    EXPECT_EQ(form.Command3[0].Top, -405) << "3870 is the field's height: respawned";
    EXPECT_EQ(form.Command3[1].Top, 3869) << "one twip short falls on";
    form.Timer1_Timer();
    EXPECT_EQ(form.Command3[1].Top, -405);
}

TEST_F(FallingTargets, RespawnOfTarget0DoesNotReleaseTarget1)
{
    form.Command3[0].Top = 3810;
    form.Timer1_Timer();
    EXPECT_EQ(form.Command3[0].Top, -405);
    EXPECT_EQ(form.holdSecond, kTrue);
    EXPECT_EQ(form.Command3[1].Top, -400);
}

TEST_F(FallingTargets, RespawnMakesAnyTargetLiveAgainAndChargesOnlyUntouchedOnes)
{
    random = testing_support::ScriptedRandom({0.75F, 0.25F});
    releaseTarget1(3850, 3850);
    form.Command3[0] = {QStringLiteral("OK"), colours::kWhite, 40, 3850, true, true};
    form.Command3[1] = {QStringLiteral("miss"), colours::kLightGrey, 40, 3850, false, true};
    form.missCount = 1;
    form.Timer1_Timer();

    for (const auto& target : form.Command3) {
        EXPECT_EQ(target.Top, -405);
        EXPECT_EQ(target.Left, -15);
        EXPECT_TRUE(target.Enabled);
        EXPECT_TRUE(target.Caption.isEmpty());
    }
    EXPECT_EQ(form.Command3[0].BackColor, colours::kBlue);
    EXPECT_EQ(form.Command3[1].BackColor, colours::kRed);
    EXPECT_EQ(form.missCount, 1) << "a scored or missed target costs nothing when it leaves";
}

TEST_F(FallingTargets, AnUntouchedTargetFallingThroughCostsOneLife)
{
    form.Command3[0].Top = 3850;
    form.Timer1_Timer();
    EXPECT_EQ(form.missCount, 1);
    EXPECT_EQ(form.Label5.Caption, kFourLives);
    EXPECT_EQ(form.Command3[0].Caption, QString());
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(FallingTargets, LevelUpAtAGaugeOfExactlyTenSpeedsUpTheSameTick)
{
    form.gauge = 10;
    form.Shape1.Top = 3120 - 170 * 9;
    form.Timer1_Timer();
    EXPECT_EQ(form.gauge, 0);
    EXPECT_EQ(form.speed, 80);
    EXPECT_EQ(form.Label4.Caption, QStringLiteral("1"));
    EXPECT_EQ(form.Shape1.Top, 3120);
    EXPECT_EQ(form.Shape1.Left, 600);
    EXPECT_EQ(form.Command3[0].Top, -320) << "moved by the new speed";
}

TEST_F(FallingTargets, NoLevelUpAtAnyOtherGauge)
{
    for (const platform::Integer gauge : {9, 11}) {
        form.gauge = gauge;
        form.Timer1_Timer();
        EXPECT_EQ(form.gauge, gauge);
        EXPECT_EQ(form.speed, 60);
        EXPECT_EQ(form.Label4.Caption, QStringLiteral("0"));
    }
}

TEST_F(FallingTargets, LevelTextCountsPastNine)
{
    form.Label4.Caption = QStringLiteral("9");
    form.gauge = 10;
    form.Timer1_Timer();
    EXPECT_EQ(form.Label4.Caption, QStringLiteral("10"));
    form.gauge = 10;
    form.Timer1_Timer();
    EXPECT_EQ(form.Label4.Caption, QStringLiteral("11"));
}

TEST_F(FallingTargets, FifthFallThroughEndsTheGameAndTheTickWithIt)
{
    releaseTarget1(3850, 3850);  // both would fall through in this one tick
    form.missCount = 4;
    form.Timer1_Timer();

    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_EQ(form.missCount, 0) << "the idle window counts no miss for the second target";
    EXPECT_EQ(form.Label5.Caption, kFiveLives);

    form.Command2_Click();
    EXPECT_EQ(form.Label5.Caption, kFiveLives) << "the next game starts with five lives";
}

TEST_F(FallingTargets, NothingMovesWhileTheGameOverMessageIsUp)
{
    form.Command3[0].Top = 1000;
    float topSeenAfterTick = 0;
    messageBox.whileOpen = [&] {
        form.Timer1_Timer();
        topSeenAfterTick = form.Command3[0].Top;
    };
    form.Command1_Click();
    EXPECT_EQ(topSeenAfterTick, 1000);
    EXPECT_EQ(messageBox.shown.size(), 1U);
}
