#pragma once

#include "highscores/Module1.h"
#include "support/FakeServices.h"
#include "support/HighScoreFakes.h"
#include "support/TableFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace testing_support {

// The high-score table over a directory of its own, with a main window and
// message boxes that only record.
class HighScoreFixture : public ::testing::Test {
protected:
    QString path(const char* name = "hs.hsd") const { return directory.filePath(QString::fromLatin1(name)); }
    QByteArray fileBytes() const { return readBytes(path()); }

    // The table in memory as "level,name" rows.
    std::vector<std::string> memory() const
    {
        std::vector<std::string> rows;
        for (std::size_t i = 0; i < 3; ++i)
            rows.push_back(std::to_string(table.hiScores[i]) + "," + table.hiNames[i].toStdString());
        return rows;
    }

    // The main window's table as "level,name" rows.
    std::vector<std::string> shown() const
    {
        std::vector<std::string> rows;
        for (std::size_t i = 0; i < 3; ++i)
            rows.push_back(mainWindow.captions[i + 3].toStdString() + "," + mainWindow.captions[i].toStdString());
        return rows;
    }

    QTemporaryDir directory;
    FakeMessageBox messageBox;
    FailingFileStore files;
    FakeMainWindow mainWindow;
    highscores::Module1 table{messageBox, files, directory.path()};
};

using Rows = std::vector<std::string>;
inline const Rows kNoneInMemory{"0,none", "0,none", "0,none"};
inline const Rows kDesignedCaptions{"0,None", "0,None", "0,None"};

}  // namespace testing_support
