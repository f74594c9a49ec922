#pragma once

#include "game/Form1.h"
#include "highscores/Module1.h"
#include "support/FakeServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace testing_support {

// A loaded main window with fake services, in a directory of its own.
class GameFixture : public ::testing::Test {
protected:
    GameFixture() { form.Form_Load(); }

    // The table shown in the window, as the levels of ranks 1, 2 and 3.
    void showTableLevels(int first, int second, int third)
    {
        form.setLabel3Caption(3, QString::number(first));
        form.setLabel3Caption(4, QString::number(second));
        form.setLabel3Caption(5, QString::number(third));
    }

    QTemporaryDir directory;
    FakeMessageBox messageBox;
    ScriptedRandom random;
    RecordingNameEntry nameEntry;
    highscores::Module1 table{messageBox, directory.path()};
    game::Form1 form{{messageBox, random, table, nameEntry}};
};

}  // namespace testing_support
