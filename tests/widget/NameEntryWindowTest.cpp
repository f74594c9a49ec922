#include "MainWindowFixture.h"
#include "ui/FormGeometry.h"

using namespace testing_support;
using NameEntryWindow = MainWindowFixture;

// A game ends at level 7, rank 2 of the table 10 Aki, 5 Ben, 3 Kei; two more
// at levels 4 and 11 while its window is open.
TEST_F(NameEntryWindow, ServesEachGameThatEntersTheTableInTurn)
{
    writeBytes(path(), "10,Aki\r\n5,Ben\r\n3,Kei\r\n");
    wired.table.LoadHighScores(window);
    const auto openWindows = [] {
        QWidgetList open = QApplication::topLevelWidgets();
        open.removeIf([](const QWidget* w) { return w->objectName() != QStringLiteral("Form2") || w->isHidden(); });
        return open;
    };
    wired.nameEntry.showNameEntry(7, 2);
    QPointer<QWidget> form2 = openWindows().value(0);
    ASSERT_TRUE(form2);

    // Centred on the 800x800 screen by its outer frame, 2 pixels each side.
    EXPECT_EQ(describe(*form2, true), "Form2 242,305 312x185 12px #000000 fixed Form2");
    EXPECT_EQ(form2->palette().color(QPalette::Window), QColor(192, 255, 255));
    // Back to front: the picture, the name box and OK lie above the labels.
    // clang-format off
    EXPECT_EQ(layoutOf(*form2), (std::vector<std::string>{
        "Label1 4,8 305x48 32px #ff0000 ハイスコアに入ったYo!", "Label2 170,75 77x71 64px italic #ff8000 位",
        "Label3 13,144 58x30 21px bold #000000 Name:",          "Text1 74,139 187x36 27px #000000 名無しさん",
        "Command1 265,136 44x41 12px on #c0ffff &OK",          "Picture1 82,42 94x92 12px #000000 "}));
    // clang-format on
    // Picture 2 of the three, from its top-left corner, cut to the box.
    const QImage shown = child(form2, "Picture1").grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, QImage(QStringLiteral(":/assets/rank2.png")).copy(0, 0, 94, 92).convertToFormat(shown.format()));

    ASSERT_TRUE(QTest::qWaitForWindowActive(form2)) << "brought forward";
    auto& text1 = child<QLineEdit>(form2, "Text1");
    EXPECT_EQ(QApplication::focusWidget(), &text1);
    // Typed, pasted as a copied line gives it, and committed by an input
    // method: what the file cannot hold is dropped, one character at a time.
    QTest::keyClicks(&text1, QStringLiteral("Da\"n"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" ,\t①é\r\n"));
    QTest::keySequence(&text1, QKeySequence::Paste);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("た〜ろ"));
    QApplication::sendEvent(&text1, &commit);
    EXPECT_EQ(text1.text(), QStringLiteral("Dan ,①たろ")) << "typing replaced the default; no quote, tab, é, 〜";
    text1.setText(QStringLiteral("Dan"));

    // Minimised, and the name box's text no longer selected, when another
    // game enters the table.
    form2->showMinimized();
    text1.deselect();
    wired.nameEntry.showNameEntry(4, 3);
    wired.nameEntry.showNameEntry(11, 1);
    EXPECT_EQ(openWindows(), QWidgetList{form2}) << "still open; the other games wait their turn";
    EXPECT_EQ(form2->windowState(), Qt::WindowNoState) << "restored";
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2)) << "brought forward";
    EXPECT_EQ(text1.selectedText(), QStringLiteral("Dan")) << "typing replaces the name again";
    // OK, by Tab and Enter: saved, the minimised main window restored and
    // brought forward, this window gone. (A failed save, which keeps the
    // window for another try, and OK by its mnemonic, Alt+O, are played on
    // real desktops.)
    QTest::keyClick(&text1, Qt::Key_Tab);
    auto& ok = child(form2, "Command1");
    EXPECT_EQ(QApplication::focusWidget(), &ok) << "Tab goes on to OK";
    window.showMinimized();
    QTest::keyClick(&ok, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form2.isNull(); }));
    EXPECT_EQ(readBytes(path()), "10,Aki\r\n7,Dan\r\n5,Ben\r\n");
    EXPECT_EQ(child(&window, "Label3(1)").property("text"), QStringLiteral("Dan"));
    EXPECT_EQ(window.windowState(), Qt::WindowNoState);

    // Level 4 no longer enters the table; level 11 gets its window, whose
    // close box saves nothing.
    form2 = openWindows().value(0);
    ASSERT_TRUE(form2) << "the waiting game gets its window";
    // The main window takes the keyboard for a moment as this one comes
    // forward; back here, the default name is selected again.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    form2->activateWindow();
    window.activateWindow();
    QCoreApplication::processEvents();  // the name box drops its selection here
    form2->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2));
    EXPECT_EQ(child<QLineEdit>(form2, "Text1").selectedText(), QStringLiteral("名無しさん"));
    EXPECT_EQ(child<QLabel>(form2, "Picture1").pixmap().toImage(), QImage(QStringLiteral(":/assets/rank1.png")));
    form2->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form2.isNull());
    EXPECT_TRUE(openWindows().isEmpty()) << "no window for level 4";
    EXPECT_EQ(readBytes(path()), "10,Aki\r\n7,Dan\r\n5,Ben\r\n");
    wired.nameEntry.showNameEntry(8, 2);
    EXPECT_EQ(openWindows().size(), 1) << "the next game to enter gets its window at once";
}

TEST(NameEntryWindowPlace, CentresTruncatingTowardZero)
{
    EXPECT_EQ(ui::centredTwips(15360, 4801), 5279) << "an odd difference drops the half twip";
    EXPECT_EQ(ui::centredTwips(3000, 4801), -900) << "not -901";
}
