// The game's windows on Qt's offscreen platform, and how a test reads them.
#pragma once

#include "WiredGame.h"
#include "support/GameServices.h"
#include "ui/GraphicalButton.h"
#include "ui/QtMessageBox.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace testing_support {

// A named control of a window; a missing one fails the test.
template <typename T = QWidget>
T& child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    return found ? *found : throw std::runtime_error(std::string("no control ") + name);
}

// A control as the player sees it: (name, place and size,) font pixels and
// style, text colour or a painted button's back colour, alignment, whether it
// is off, its caption (a window: fixed size, title); flagged if its font is not
// the gothic, or its caption does not fit (narrowed to fit, hinting may leave
// it a pixel or two wide).
inline std::string describe(const QWidget& w, bool withPlace = false)
{
    const auto* button = qobject_cast<const ui::GraphicalButton*>(&w);
    const int align = w.property("alignment").toInt();
    const QString text = w.isWindow() ? w.windowTitle() : w.property("text").toString();
    const QString place =
        QString::asprintf("%s %d,%d %dx%d ", qPrintable(w.objectName()), w.x(), w.y(), w.width(), w.height());
    const QString colour = button ? "on " + w.palette().color(QPalette::Button).name()
                                  : w.palette().color(QPalette::Active, QPalette::WindowText).name();
    return QString::asprintf("%s%dpx%s%s %s%s%s%s%s%s%s %s", withPlace ? qPrintable(place) : "", w.font().pixelSize(),
                             w.font().bold() ? " bold" : "", w.font().italic() ? " italic" : "", qPrintable(colour),
                             align & Qt::AlignRight ? " right" : (align & Qt::AlignHCenter ? " centred" : ""),
                             w.isEnabled() ? "" : " disabled", w.isHidden() ? " hidden" : "",
                             w.minimumSize() == w.maximumSize() ? " fixed" : "",
                             QFontInfo(w.font()).family() == "IPAPGothic" ? "" : " NOT-GOTHIC",
                             QFontMetrics(w.font()).horizontalAdvance(text) > w.width() + 2 ? " CUT" : "",
                             qUtf8Printable(text))
        .toStdString();
}

// Controls side by side: "describe|describe|...".
template <typename... Widgets>
std::string describeEach(const QWidget& first, const Widgets&... rest)
{
    return (describe(first) + ... + ("|" + describe(rest)));
}

// Every control of a window, back to front, each container before what it holds.
inline std::vector<std::string> layoutOf(const QWidget& window)
{
    std::vector<std::string> controls;
    for (const QWidget* w : window.findChildren<QWidget*>())
        controls.push_back(describe(*w, true));
    return controls;
}

// The main window as designed, idle: its layout was drawn in twips, 15 to the
// pixel. The pictures are as large as their artwork.
// clang-format off
inline const std::vector<std::string> kMainWindowLayout = {
    "Label2 191,161 44x27 24px #000000 Life:",                   "Image1 16,-7 100x100 13px #000000 ",
    "Label4 2,20 122x58 64px bold #0000ff centred 0",            "Label5 235,162 110x24 21px #000000 ■■■■■",
    "Image2(0) 40,94 32x159 13px #000000 ",                      "Shape1 40,208 33x10 13px #000000 ",
    "Label1(0) 26,91 69x13 13px bold #0000ff NextLevel",         "Label1(1) 23,242 69x13 13px bold #0000ff GameOver",
    "Label1(2) 71,207 33x13 13px bold #8080ff -0",               "Label1(3) 69,150 33x13 13px bold #4040ff -5",
    "Frame1 120,0 70x258 13px #000000 ",                         "Line1(0) 0,186 72x3 13px #000000 ",
    "Line1(1) 0,215 72x3 13px #000000 ",                         "Command3(0) -4,0 73x27 13px on #c0c0c0 hidden ",
    "Command3(1) -4,0 73x27 13px on #c0c0c0 hidden ",           "Frame2 201,12 154x111 24px bold #00c0c0 ",
    "Label3(0) 4,29 118x27 13px #000000 None",                   "Label3(1) 4,56 118x27 13px #000000 None",
    "Label3(2) 4,83 118x27 13px #000000 None",                   "Label3(3) 120,29 28x23 21px bold #000000 right 0",
    "Label3(4) 114,52 34x23 21px bold #000000 right 0",          "Label3(5) 114,75 34x23 21px bold #000000 right 0",
    "Command4 45,94 105x14 11px on #c0c0c0 ハイスコアのクリア", "Command2 197,194 157x63 37px bold on #80ffff Start!",
    "Command1 206,130 138x31 12px #000000 disabled Give Up"};
// clang-format on

// The main window on screen, loaded with the default table, its message boxes
// recorded and its colours scripted: target 0 red, target 1 blue. Its games
// open real name-entry windows.
class MainWindowFixture : public ::testing::Test, protected GameServices {
protected:
    MainWindowFixture()
    {
        random = ScriptedRandom({0.25F, 0.75F});
        writeBytes(path(), kDefaultTableBytes);
        window.load();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    WiredGame wired{messageBox, random, files, directory.path()};  // the table, its name entry and the window
    game::Form1Window& window = wired.window;
};

}  // namespace testing_support
