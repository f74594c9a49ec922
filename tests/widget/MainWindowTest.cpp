#include "MainWindowFixture.h"

using namespace testing_support;
using MainWindow = MainWindowFixture;

// One game by real clicks and presses. Clicks where they mean nothing, and
// keys, change nothing, whether idle, running or behind a message.
TEST_F(MainWindow, IsPlayedByTargetPressesAndButtonClicksAlone)
{
    auto &start = child(&window, "Command2"), &giveUp = child(&window, "Command1");
    // Target 0 red by the first draw, 0.25; target 1 blue by the second, 0.75.
    auto &red = child(&window, "Command3(0)"), &blue = child(&window, "Command3(1)");
    const auto state = [this] { return std::pair(layoutOf(window), messageBox.shown.size()); };
    // Keys, each sent where the keyboard focus is, as a player's keys go.
    const auto strayKeys = [&] {
        const auto before = state();
        for (const Qt::Key key :
             {Qt::Key_A, Qt::Key_1, Qt::Key_Escape, Qt::Key_F1, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Left,
              Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_Backspace})
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key);
        EXPECT_EQ(state(), before);
    };
    // Right and middle clicks everywhere, left clicks on all but the enabled
    // buttons, and keys.
    const auto strayEverywhere = [&] {
        const auto before = state();
        for (QWidget* w : window.findChildren<QWidget*>())
            for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton})
                if (button != Qt::LeftButton || !qobject_cast<QAbstractButton*>(w) || !w->isEnabled())
                    QTest::mouseClick(w, button);
        EXPECT_EQ(state(), before);
        strayKeys();
    };
    // The real timer brings a fresh target down into the hit zone.
    const auto waitInZone = [this](std::size_t i) {
        const game::CommandButton& target = window.form().Command3.at(i);
        return QTest::qWaitFor([&] { return game::Form1::inHitZone(target) && target.Caption.isEmpty(); }, 10000);
    };

    strayEverywhere();
    QTest::mouseDClick(&start, Qt::LeftButton);
    QTest::mouseClick(&start, Qt::LeftButton);
    EXPECT_EQ(random.reseeds, 2) << "Start! three times quickly starts one game, which draws two colours";
    EXPECT_EQ(describeEach(start, giveUp, child(&window, "Command4")),
              "37px bold on #80ffff disabled Start!|12px #000000 Give Up|11px on #c0c0c0 disabled ハイスコアのクリア");
    // Top -400, Left -15 in the play field: almost wholly above it, clipped.
    EXPECT_EQ(describe(red, true) + "|" + describe(blue), "Command3(0) -1,-27 73x27 13px on #ff0000 |13px on #0000ff ");
    strayEverywhere();

    ASSERT_TRUE(waitInZone(0));
    QTest::mouseClick(&red, Qt::MiddleButton);
    QTest::mousePress(&red, Qt::LeftButton);
    EXPECT_EQ(describe(red), "13px on #ffffff OK") << "the middle button is not judged, the left one is";
    // Its release may go to a game-over message instead: never held down.
    EXPECT_EQ(red.grab().toImage().pixelColor(10, 0), QColor(255, 255, 255)) << "drawn raised";
    QTest::mouseRelease(&red, Qt::LeftButton);
    ASSERT_TRUE(waitInZone(1));
    QTest::mouseClick(&blue, Qt::LeftButton);
    EXPECT_EQ(describeEach(blue, child(&window, "Label5")), "13px on #c0c0c0 disabled miss|21px #000000 ■■■■");
    EXPECT_EQ(child(&window, "Shape1").y(), 208) << "one good press, then one wrong one";
    strayKeys();  // the pressed target is off now; no button took the focus from it

    // Give Up. While its message is up, the player presses target 0, back in
    // the hit zone, with the wrong button, and Give Up, through the window
    // system. The message is a real one, twice: its prompt no text to select,
    // OK its default and Enter's answer, Escape answering Cancel.
    ASSERT_TRUE(waitInZone(0));
    messageBox.whileOpen = [&] {
        using enum platform::MessageBoxResult;
        for (const auto& [key, answer] : {std::pair{Qt::Key_Escape, Cancel}, {Qt::Key_Return, Ok}}) {
            QTimer::singleShot(0, [&, key = key] {
                const auto before = state();
                QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, red.mapTo(&window, red.rect().center()));
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, giveUp.geometry().center());
                QTest::keyClick(window.windowHandle(), Qt::Key_Space);
                EXPECT_EQ(state(), before);
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                EXPECT_EQ(box->text(), QStringLiteral("GameOver"));
                EXPECT_EQ(box->textInteractionFlags(), Qt::NoTextInteraction);
                EXPECT_EQ(box->buttons().size(), 2);
                EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
                QTest::keyClick(box, key);
            });
            EXPECT_EQ(ui::QtMessageBox().show(QStringLiteral("GameOver"), platform::MessageBoxButtons::OkCancel, {}),
                      answer);
        }
    };
    QTest::mouseClick(&giveUp, Qt::LeftButton);
    EXPECT_EQ(messageBox.shown, std::vector<QString>{QStringLiteral("vorpa|GameOver\r\nLevel:0")});
    EXPECT_EQ(describeEach(start, giveUp, red),
              "37px bold on #80ffff Start!|12px #000000 disabled Give Up|13px on #ff0000 hidden ");
}
