#include "support/GameFixture.h"

using testing_support::GameFixture;
namespace colours = platform::colours;

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;

class PressJudging : public GameFixture {
protected:
    PressJudging()
    {
        random = testing_support::ScriptedRandom({0.25F, 0.75F});  // target 0 red, target 1 blue
        form.Command2_Click();
        form.Command3[0].Top = 2401;
        form.Command3[1].Top = 3000;
    }

    game::CommandButton& red() { return form.Command3[0]; }
    game::CommandButton& blue() { return form.Command3[1]; }
};

}  // namespace

TEST_F(PressJudging, RightButtonForTheColourScores)
{
    form.Command3_MouseDown(0, kLeft);
    EXPECT_EQ(form.gauge, 1);
    EXPECT_EQ(red().BackColor, colours::kWhite);
    EXPECT_EQ(red().Caption, QStringLiteral("OK"));
    EXPECT_TRUE(red().Enabled);
    EXPECT_EQ(form.Shape1.Top, 3120 - 170);

    form.Command3_MouseDown(1, kRight);
    EXPECT_EQ(form.gauge, 2);
    EXPECT_EQ(blue().Caption, QStringLiteral("OK"));
    EXPECT_EQ(form.missCount, 0);
}

TEST_F(PressJudging, PressesOnTheZoneEdgesAreNotJudged)
{
    for (const float top : {2400.0F, 3240.0F, -400.0F}) {
        red().Top = top;
        form.Command3_MouseDown(0, kRight);
        EXPECT_EQ(form.gauge, 0) << top;
        EXPECT_TRUE(red().Caption.isEmpty()) << top;
        EXPECT_EQ(red().BackColor, colours::kRed) << top;
        EXPECT_EQ(form.missCount, 0) << top;
    }
}

TEST_F(PressJudging, WrongButtonCostsALifeAndMarksTheTarget)
{
    form.Command3_MouseDown(1, kLeft);
    EXPECT_EQ(form.gauge, -1);
    EXPECT_EQ(form.missCount, 1);
    EXPECT_FALSE(blue().Enabled);
    EXPECT_EQ(blue().Caption, QStringLiteral("miss"));
    EXPECT_EQ(blue().BackColor, colours::kLightGrey);
    EXPECT_EQ(form.Label5.Caption, QStringLiteral("■■■■"));
    EXPECT_EQ(form.Shape1.Top, 3290);

    form.Command3_MouseDown(1, kRight);
    EXPECT_EQ(form.missCount, 1) << "a missed target takes no presses";
}

TEST_F(PressJudging, PressingAScoredTargetAgainIsWrong)
{
    form.Command3_MouseDown(0, kLeft);
    form.Command3_MouseDown(0, kLeft);
    EXPECT_EQ(form.gauge, 0);
    EXPECT_EQ(form.missCount, 1);
    EXPECT_EQ(red().Caption, QStringLiteral("miss"));
}

TEST_F(PressJudging, MiddleButtonDoesNothingNotEvenTheGameEndTest)
{
    form.gauge = -3;
    form.Command3_MouseDown(0, kMiddle);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_TRUE(red().Caption.isEmpty());

    red().Top = 100;  // any other press, even outside the zone, runs the test
    form.Command3_MouseDown(0, kLeft);
    EXPECT_EQ(messageBox.shown.size(), 1U);
}

TEST_F(PressJudging, FullGaugeShowsAtRestUntilTheLevelUp)
{
    form.gauge = 9;
    form.Command3_MouseDown(0, kLeft);
    EXPECT_EQ(form.gauge, 10);
    EXPECT_EQ(form.Shape1.Top, 3120);

    form.Command3_MouseDown(1, kRight);  // a second press before the tick
    EXPECT_EQ(form.gauge, 11);
    EXPECT_EQ(form.Shape1.Top, 1250);
    form.Timer1_Timer();
    EXPECT_EQ(form.Label4.Caption, QStringLiteral("0")) << "the level-up waits for a gauge of exactly 10";
}

TEST_F(PressJudging, GaugeOfMinusThreeEndsTheGame)
{
    form.gauge = -2;
    QString lifeWhileOpen;
    QString captionWhileOpen;
    float markerWhileOpen = 0;
    messageBox.whileOpen = [&] {
        lifeWhileOpen = form.Label5.Caption;
        captionWhileOpen = blue().Caption;
        markerWhileOpen = form.Shape1.Top;
    };
    form.Command3_MouseDown(1, kLeft);

    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(lifeWhileOpen, QStringLiteral("■■■■"));
    EXPECT_EQ(captionWhileOpen, QStringLiteral("miss"));
    EXPECT_EQ(markerWhileOpen, 3630);
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_EQ(form.Shape1.Top, 3120) << "the idle window shows the gauge at rest";
}

TEST_F(PressJudging, FifthWrongPressEndsTheGameOnce)
{
    form.missCount = 4;
    form.gauge = -2;  // this press is also the third gauge step down
    QString lifeWhileOpen;
    messageBox.whileOpen = [&] { lifeWhileOpen = form.Label5.Caption; };
    form.Command3_MouseDown(0, kRight);

    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(lifeWhileOpen, QString());
    EXPECT_EQ(form.gauge, 0);
    EXPECT_EQ(form.missCount, 0);
    EXPECT_EQ(form.Shape1.Top, 3120);
    EXPECT_TRUE(form.Command2.Enabled);
}

TEST_F(PressJudging, AnEndlessGaugeNeverOverflows)
{
    form.gauge = 200;
    form.Command3_MouseDown(0, kLeft);
    EXPECT_EQ(form.gauge, 201);
    EXPECT_EQ(form.Shape1.Top, 3120 - 170 * 201);

    form.gauge = 32767;
    form.Command3_MouseDown(1, kRight);
    EXPECT_EQ(form.gauge, 32767);
    EXPECT_EQ(form.Shape1.Top, -32768);
}

TEST_F(PressJudging, HiddenTargetsTakeNoPresses)
{
    form.Command1_Click();
    form.Command3_MouseDown(0, kRight);
    EXPECT_EQ(form.missCount, 0);
    EXPECT_EQ(messageBox.shown.size(), 1U);
}
