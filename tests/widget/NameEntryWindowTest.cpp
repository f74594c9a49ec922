#include "highscores/NameEntry.h"
#include "highscores/NameEntryLauncher.h"
#include "highscores/QtNameEntryWindows.h"
#include "support/HighScoreFixture.h"
#include "ui/GraphicalButton.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

using namespace testing_support;

// The table 10 Aki, 5 Ben, 3 Kei, and a game that has just ended at level 7,
// rank 2, with its name-entry window open.
class NameEntryWindow : public HighScoreFixture {
protected:
    NameEntryWindow()
    {
        writeBytes(path(), "10,Aki\r\n5,Ben\r\n3,Kei\r\n");
        table.LoadHighScores(mainWindow);
        windows.setMainWindow(mainWindow);
        gameEnds(7, 2);
        window = openWindow();
    }

    void gameEnds(std::uint8_t level, std::uint8_t rank)
    {
        table.finalLevel = level;
        table.newRank = rank;
        launcher.showNameEntry();
    }

    static QPointer<QWidget> openWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("Form2") && widget->isVisible())
                return widget;
        }
        return nullptr;
    }

    template <typename T = QWidget>
    T& control(const char* name)
    {
        T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }

    void activate()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // After OK with the name Dan: saved at rank 2, the window closed and gone.
    void expectSavedAndClosed()
    {
        EXPECT_EQ(fileBytes(), "10,Aki\r\n7,Dan\r\n5,Ben\r\n");
        EXPECT_EQ(mainWindow.shows, 1);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull()) << "deleted once closed";
    }

    highscores::QtNameEntryWindows windows{table};
    highscores::NameEntryLauncher launcher{table, windows};
    QPointer<QWidget> window;
};

TEST_F(NameEntryWindow, IsLaidOutAsDesignedAndCentred)
{
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Form2"));
    EXPECT_EQ(window->size(), QSize(312, 185));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(192, 255, 255));
    // Centred by its outer frame.
    const QRect screen = window->screen()->geometry();
    const QRect outer = window->frameGeometry();
    EXPECT_EQ(outer.topLeft(),
              QPoint(qRound(highscores::centredPosition(screen.width() * 15, outer.width() * 15) / 15.0),
                     qRound(highscores::centredPosition(screen.height() * 15, outer.height() * 15) / 15.0)));

    struct Placement {
        const char* name;
        int left, top, width, height;  // twips
    };
    // Back to front: the picture, the name box and OK lie above the labels.
    const Placement placements[] = {{"Label1", 60, 120, 4575, 720},     {"Label2", 2550, 1125, 1155, 1065},
                                    {"Label3", 195, 2160, 870, 450},    {"Text1", 1110, 2085, 2805, 540},
                                    {"Command1", 3975, 2040, 660, 615}, {"Picture1", 1230, 630, 1410, 1380}};
    const QObjectList& children = window->children();
    for (std::size_t i = 0; i < std::size(placements); ++i) {
        const Placement& p = placements[i];
        EXPECT_EQ(control(p.name).geometry(),
                  QRect(qRound(p.left / 15.0), qRound(p.top / 15.0), qRound(p.width / 15.0), qRound(p.height / 15.0)))
            << p.name;
        if (i > 0) {
            EXPECT_LT(children.indexOf(&control(placements[i - 1].name)), children.indexOf(&control(p.name)));
        }
    }
}

TEST_F(NameEntryWindow, CaptionsFontsColoursAndTheRankPicture)
{
    struct Look {
        const char* name;
        QString text;
        int pixels;
        bool bold, italic;
        QColor colour;
    };
    const Look looks[] = {{"Label1", QStringLiteral("ハイスコアに入ったYo!"), 32, false, false, QColor(255, 0, 0)},
                          {"Label2", QStringLiteral("位"), 64, false, true, QColor(255, 128, 0)},
                          {"Label3", QStringLiteral("Name:"), 21, true, false, QColor(0, 0, 0)}};
    for (const Look& look : looks) {
        const auto& label = control<QLabel>(look.name);
        EXPECT_EQ(label.text(), look.text);
        EXPECT_EQ(label.font().pixelSize(), look.pixels) << look.name;
        EXPECT_EQ(label.font().bold(), look.bold) << look.name;
        EXPECT_EQ(label.font().italic(), look.italic) << look.name;
        EXPECT_EQ(QFontInfo(label.font()).family(), QStringLiteral("IPAPGothic")) << look.name;
        EXPECT_EQ(label.palette().color(QPalette::WindowText), look.colour) << look.name;
        EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(label.text()), label.width())
            << look.name << ": the whole caption shows";
    }
    EXPECT_EQ(control<QLineEdit>("Text1").text(), QStringLiteral("名無しさん"));
    EXPECT_EQ(control<QLineEdit>("Text1").font().pixelSize(), 27);
    EXPECT_EQ(control<ui::GraphicalButton>("Command1").text(), QStringLiteral("&OK"));
    EXPECT_EQ(control<ui::GraphicalButton>("Command1").backColor(), 16777152);

    // Picture 2 of the three, from its top-left corner, cut to the box.
    const QImage shown = control("Picture1").grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, QImage(QStringLiteral(":/assets/rank2.png")).copy(0, 0, 94, 92).convertToFormat(shown.format()));
}

TEST_F(NameEntryWindow, TheNameBoxHasTheFocusAndTakesOnlyWhatTheFileKeeps)
{
    activate();
    auto& text1 = control<QLineEdit>("Text1");
    EXPECT_EQ(QApplication::focusWidget(), &text1);
    EXPECT_EQ(text1.nextInFocusChain(), &control("Command1"));

    QTest::keyClicks(&text1, QStringLiteral("Da\"n"));
    EXPECT_EQ(text1.text(), QStringLiteral("Dan")) << "typing replaces the default; the quote is refused";
    text1.insert(QStringLiteral("〜é"));
    text1.insert(QStringLiteral("\t"));
    EXPECT_EQ(text1.text(), QStringLiteral("Dan"));
    text1.insert(QStringLiteral(" ,①"));
    EXPECT_EQ(text1.text(), QStringLiteral("Dan ,①"));
}

TEST_F(NameEntryWindow, OkByClickSavesAndClosesOnceTheFileIsWritten)
{
    control<QLineEdit>("Text1").setText(QStringLiteral("Dan"));
    files.failWrites = QStringLiteral("No space left on device");
    QTest::mouseClick(&control("Command1"), Qt::LeftButton);
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_TRUE(window->isVisible()) << "open for another try";

    files.failWrites.reset();
    QTest::mouseClick(&control("Command1"), Qt::LeftButton);
    expectSavedAndClosed();
}

TEST_F(NameEntryWindow, OkByAltO)
{
    activate();
    QTest::keyClicks(&control("Text1"), QStringLiteral("Dan"));
    QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
    // A mnemonic presses the button visibly and clicks it once it comes up.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }));
    expectSavedAndClosed();
}

TEST_F(NameEntryWindow, TheCloseBoxSavesNothingAndLetsAWaitingGameIn)
{
    gameEnds(11, 1);  // a second game ends while the window is open
    EXPECT_EQ(openWindow(), window) << "no second window yet";

    window->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(fileBytes(), "10,Aki\r\n5,Ben\r\n3,Kei\r\n");
    EXPECT_EQ(mainWindow.shows, 0);

    window = openWindow();
    ASSERT_TRUE(window) << "the waiting game gets its window";
    EXPECT_EQ(control<QLabel>("Picture1").pixmap().toImage(), QImage(QStringLiteral(":/assets/rank1.png")));
}
