#pragma once

#include "game/Form1.h"
#include "highscores/Module1.h"
#include "platform/FileStore.h"
#include "support/FakeServices.h"
#include "support/TableFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace testing_support {

// A loaded main window with fake services, in a directory of its own that
// holds the default table.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        writeBytes(directory.filePath(QStringLiteral("hs.hsd")), kDefaultTableBytes);
        form.Form_Load();
    }

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
    platform::DiskFileStore files;
    highscores::Module1 table{messageBox, files, directory.path()};
    game::Form1 form{{messageBox, random, table, nameEntry}};
};

}  // namespace testing_support
