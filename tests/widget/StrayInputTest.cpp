// Buttons, keys and clicks where they mean nothing change nothing, in every
// state of the main window.
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

using testing_support::MainWindowFixture;

namespace {

const char* const kControls[] = {"Frame1",    "Label4",    "Image1",    "Shape1",    "Image2(0)", "Label1(0)",
                                 "Label1(1)", "Label1(2)", "Label1(3)", "Label2",    "Label5",    "Command2",
                                 "Command1",  "Frame2",    "Label3(0)", "Label3(5)", "Command4",  "Line1(0)"};

class StrayInput : public MainWindowFixture {
protected:
    // Everything stray input could disturb; the targets' fall is left out,
    // since the clock moves it.
    QString state() const
    {
        const game::Form1& f = window.form();
        QStringList parts{f.Label4.Caption,
                          f.Label5.Caption,
                          QString::number(f.gauge),
                          QString::number(f.missCount),
                          QString::number(f.Command1.Enabled),
                          QString::number(f.Command2.Enabled),
                          QString::number(f.Command4.Enabled),
                          QString::number(f.Timer1.Enabled),
                          QString::number(messageBox.shown.size()),
                          QString::number(random.reseeds)};
        for (const game::CommandButton& target : f.Command3)
            parts << target.Caption << QString::number(target.BackColor) << QString::number(target.Visible);
        for (const game::Label& label : f.Label3)
            parts << label.Caption;
        return parts.join(u'|');
    }

    // Right and middle clicks everywhere, left clicks on everything but the
    // buttons that are enabled, and keys that no control takes.
    void strayEverywhere()
    {
        for (const char* name : kControls) {
            QWidget& target = control(name);
            QTest::mouseClick(&target, Qt::RightButton);
            QTest::mouseClick(&target, Qt::MiddleButton);
            if (!qobject_cast<QAbstractButton*>(&target) || !target.isEnabled())
                QTest::mouseClick(&target, Qt::LeftButton);
        }
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Z, Qt::Key_1, Qt::Key_Escape, Qt::Key_F1, Qt::Key_Left,
                                  Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace})
            QTest::keyClick(&window, key);
    }
};

}  // namespace

TEST_F(StrayInput, IdleWindowIgnoresIt)
{
    const QString before = state();
    strayEverywhere();
    EXPECT_EQ(state(), before);
}

TEST_F(StrayInput, RunningGameIgnoresIt)
{
    QTest::mouseClick(&control("Command2"), Qt::LeftButton);
    const QString before = state();
    strayEverywhere();
    EXPECT_EQ(state(), before);
}

TEST_F(StrayInput, StartPressedTwiceQuicklyStartsOneGame)
{
    QTest::mouseDClick(&control("Command2"), Qt::LeftButton);
    QTest::mouseClick(&control("Command2"), Qt::LeftButton);
    EXPECT_EQ(random.reseeds, 2) << "one game draws two colours";
    EXPECT_TRUE(window.form().Timer1.Enabled);
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(StrayInput, NothingReachesTheWindowWhileAMessageIsUp)
{
    QTest::mouseClick(&control("Command2"), Qt::LeftButton);
    const auto redInZone = [this] { return game::Form1::inHitZone(window.form().Command3[0]); };
    ASSERT_TRUE(QTest::qWaitFor(redInZone, 10000));
    QString whileOpen;
    // The game-over message, as modal as the real one: meanwhile the player
    // presses the red target with the wrong button, and Give Up, through the
    // window system.
    messageBox.whileOpen = [&] {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("vorpa"), QStringLiteral("GameOver"));
        QTimer::singleShot(0, &box, [&] {
            whileOpen = state();
            const QWidget& red = control("Command3(0)");
            const QPoint onRed = red.mapTo(&window, red.rect().center());
            QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, onRed);
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, control("Command1").geometry().center());
            QTest::keyClick(window.windowHandle(), Qt::Key_Space);
            EXPECT_EQ(state(), whileOpen);
            box.reject();
        });
        box.exec();
    };
    QTest::mouseClick(&control("Command1"), Qt::LeftButton);

    ASSERT_FALSE(whileOpen.isEmpty());
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_FALSE(window.form().Timer1.Enabled) << "the game ended once and no new one started";
    EXPECT_EQ(random.reseeds, 2);
}
