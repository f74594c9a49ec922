#include "support/MainWindowFixture.h"
#include "ui/GraphicalButton.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct Placement {
    const char* name;
    int left, top, width, height;  // twips, relative to the container
};

// Every control of the main window at its designed place and size.
const Placement kDesigned[] = {
    {"Frame1", 1800, 0, 1050, 3870},     {"Line1(0)", 0, 2790, 1080, 45},     {"Line1(1)", 0, 3225, 1080, 45},
    {"Label4", 30, 300, 1830, 870},      {"Image1", 240, -105, 1500, 1500},   {"Shape1", 600, 3120, 495, 150},
    {"Image2(0)", 600, 1410, 480, 2385}, {"Label1(0)", 390, 1365, 1035, 195}, {"Label1(1)", 345, 3630, 1035, 195},
    {"Label1(2)", 1065, 3105, 495, 195}, {"Label1(3)", 1035, 2250, 495, 195}, {"Label2", 2865, 2415, 660, 405},
    {"Label5", 3525, 2430, 1650, 360},   {"Command2", 2955, 2910, 2355, 945}, {"Command1", 3090, 1950, 2070, 465},
    {"Frame2", 3015, 180, 2310, 1665},   {"Label3(0)", 60, 435, 1770, 405},   {"Label3(1)", 60, 840, 1770, 405},
    {"Label3(2)", 60, 1245, 1770, 405},  {"Label3(3)", 1800, 435, 420, 345},  {"Label3(4)", 1710, 780, 510, 345},
    {"Label3(5)", 1710, 1125, 510, 345}, {"Command4", 675, 1410, 1575, 210},
};

}  // namespace

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, HasTheDesignedClientAreaTitleAndIcon)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zentap3"));
    EXPECT_EQ(window.size(), QSize(358, 258));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the layout assumes its client size";
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

TEST_F(MainWindow, EveryControlSitsAtItsDesignedPixels)
{
    for (const Placement& p : kDesigned) {
        const QRect expected(qRound(p.left / 15.0), qRound(p.top / 15.0), qRound(p.width / 15.0),
                             qRound(p.height / 15.0));
        EXPECT_EQ(control(p.name).geometry(), expected) << p.name;
    }
}

TEST_F(MainWindow, FontsAreTheJapaneseGothicAtTheirPixelSizes)
{
    struct FontCase {
        const char* name;
        int pixels;
        bool bold;
    };
    const FontCase cases[] = {{"Label4", 64, true},     {"Label5", 21, false},   {"Label2", 24, false},
                              {"Label1(0)", 13, true},  {"Command2", 37, true},  {"Command1", 12, false},
                              {"Label3(0)", 13, false}, {"Label3(3)", 21, true}, {"Frame2", 24, true},
                              {"Command4", 11, false}};
    for (const FontCase& c : cases) {
        const QFont font = control(c.name).font();
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.name;
        EXPECT_EQ(font.bold(), c.bold) << c.name;
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic")) << c.name;
    }
}

TEST_F(MainWindow, CaptionsColoursAndAlignmentAsDesigned)
{
    EXPECT_EQ(control<QLabel>("Label4").text(), QStringLiteral("0"));
    EXPECT_EQ(control<QLabel>("Label4").palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(control<QLabel>("Label4").alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(control<QLabel>("Label3(5)").alignment() & Qt::AlignRight);
    EXPECT_EQ(control<QLabel>("Label5").text(), QStringLiteral("■■■■■"));
    EXPECT_EQ(control<QLabel>("Label1(2)").palette().color(QPalette::WindowText), QColor(128, 128, 255));
    EXPECT_EQ(control<QLabel>("Label1(3)").palette().color(QPalette::WindowText), QColor(64, 64, 255));
    EXPECT_EQ(control("Frame2").palette().color(QPalette::WindowText), QColor(0, 192, 192));
    EXPECT_EQ(control<QPushButton>("Command4").text(), QStringLiteral("ハイスコアのクリア"));
    EXPECT_EQ(control<QLabel>("Label3(0)").text(), QStringLiteral("None"));

    // What the player sees: pale cyan window, white play field, yellow lines.
    EXPECT_EQ(pixelAt(100, 250), QColor(192, 255, 255));
    EXPECT_EQ(pixelAt(150, 100), QColor(255, 255, 255));
    EXPECT_EQ(pixelAt(150, 187), QColor(255, 255, 0));
    EXPECT_EQ(pixelAt(150, 216), QColor(255, 255, 0));
}

TEST_F(MainWindow, LegendAndMarkerStackAsDesigned)
{
    // Later siblings are drawn over earlier ones.
    const QObjectList& children = window.children();
    const auto place = [&](const char* name) { return children.indexOf(&control(name)); };
    const char* backToFront[] = {"Label2",    "Image1",    "Label4",    "Label5",    "Image2(0)", "Shape1",
                                 "Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Frame1",    "Command2"};
    for (std::size_t i = 1; i < std::size(backToFront); ++i)
        EXPECT_LT(place(backToFront[i - 1]), place(backToFront[i])) << backToFront[i];

    // The marker shows white over the blue gauge scale.
    EXPECT_EQ(pixelAt(50, 212), QColor(255, 255, 255));
}

TEST_F(MainWindow, StartAndGiveUpAsRealClicks)
{
    auto& start = control<QPushButton>("Command2");
    auto& giveUp = control<QPushButton>("Command1");
    auto& target0 = control<ui::GraphicalButton>("Command3(0)");
    EXPECT_FALSE(giveUp.isEnabled());
    EXPECT_FALSE(target0.isVisible());

    QTest::mouseClick(&start, Qt::LeftButton);
    EXPECT_FALSE(start.isEnabled());
    EXPECT_TRUE(giveUp.isEnabled());
    EXPECT_FALSE(control("Command4").isEnabled());
    EXPECT_TRUE(target0.isVisible());
    // Top -400, Left -15 in the play field: almost wholly above it, clipped.
    EXPECT_EQ(target0.geometry(), QRect(-1, -27, 73, 27));
    EXPECT_EQ(target0.backColor(), 255);
    EXPECT_EQ(control<ui::GraphicalButton>("Command3(1)").backColor(), 16711680);

    QTest::mouseClick(&giveUp, Qt::LeftButton);
    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(messageBox.shown[0].prompt, QStringLiteral("GameOver\r\nLevel:0"));
    EXPECT_TRUE(start.isEnabled());
    EXPECT_FALSE(giveUp.isEnabled());
    EXPECT_FALSE(target0.isVisible());
}

TEST_F(MainWindow, RealPressesOnTheFallingTargetsAreJudged)
{
    QTest::mouseClick(&control("Command2"), Qt::LeftButton);
    auto& red = control<ui::GraphicalButton>("Command3(0)");   // first draw 0.25: red
    auto& blue = control<ui::GraphicalButton>("Command3(1)");  // second draw 0.75: blue
    const auto inZone = [this](int i) {
        return game::Form1::inHitZone(window.form().Command3[static_cast<std::size_t>(i)]);
    };

    // The real timer brings target 0 down into the hit zone.
    ASSERT_TRUE(QTest::qWaitFor([&] { return inZone(0); }, 10000));
    QTest::mousePress(&red, Qt::MiddleButton);
    QTest::mouseRelease(&red, Qt::MiddleButton);
    EXPECT_TRUE(red.text().isEmpty()) << "the middle button is not judged";
    QTest::mousePress(&red, Qt::RightButton);
    QTest::mouseRelease(&red, Qt::RightButton);
    EXPECT_EQ(red.text(), QStringLiteral("miss"));
    EXPECT_FALSE(red.isEnabled());
    EXPECT_EQ(red.backColor(), 12632256);
    EXPECT_EQ(control<QLabel>("Label5").text(), QStringLiteral("■■■■"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return inZone(1); }, 10000));
    QTest::mousePress(&blue, Qt::RightButton);
    QTest::mouseRelease(&blue, Qt::RightButton);
    EXPECT_EQ(blue.text(), QStringLiteral("OK"));
    EXPECT_EQ(blue.backColor(), 16777215);
    EXPECT_EQ(window.form().gauge, 0) << "one wrong press, then one good one";
    EXPECT_EQ(control("Shape1").y(), 208);
}

TEST_F(MainWindow, APressLeavesNoTargetHeldDown)
{
    QTest::mouseClick(&control("Command2"), Qt::LeftButton);
    auto& target = control<ui::GraphicalButton>("Command3(0)");
    // The release of a press that ends the game goes to the game-over
    // message, never to the target.
    QTest::mousePress(&target, Qt::LeftButton);
    EXPECT_FALSE(target.isDown());
    EXPECT_EQ(target.grab().toImage().pixelColor(10, 0), QColor(255, 255, 255)) << "drawn raised";
}
