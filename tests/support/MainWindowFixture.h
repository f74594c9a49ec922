#pragma once

#include "game/Form1Window.h"
#include "highscores/Module1.h"
#include "platform/FileStore.h"
#include "support/FakeServices.h"
#include "support/TableFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace testing_support {

// The main window on screen, loaded with the default table, its message boxes
// recorded and its colours scripted: target 0 red, target 1 blue.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture()
    {
        writeBytes(directory.filePath(QStringLiteral("hs.hsd")), kDefaultTableBytes);
        window.load();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T = QWidget>
    T& control(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }

    // A pixel of the window as the player sees it.
    QColor pixelAt(int x, int y) { return window.grab().toImage().pixelColor(x, y); }

    QTemporaryDir directory;
    FakeMessageBox messageBox;
    ScriptedRandom random{{0.25F, 0.75F}};
    RecordingNameEntry nameEntry;
    platform::DiskFileStore files;
    highscores::Module1 table{messageBox, files, directory.path()};
    game::Form1Window window{{messageBox, random, table, nameEntry}};
};

}  // namespace testing_support
