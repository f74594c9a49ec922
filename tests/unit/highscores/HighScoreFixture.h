// The high-score table over a directory of its own, with a main window and
// message boxes that only record.
#pragma once

#include "highscores/Module1.h"
#include "highscores/NameEntry.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace testing_support {

using Boxes = std::vector<QString>;  // as FakeMessageBox::shown
inline const QString kLoadError = QStringLiteral("エラー|ハイスコアデータが開けませんでした");
inline const QString kAskClear = QStringLiteral("確認|ハイスコアをクリアしますか?");
inline const QByteArray kTaroBytes = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n3,Jiro\r\n");
inline const Rows kTaroRows{"12,Taro", "7,Hanako", "3,Jiro"};
inline const Rows kNoneInMemory{"0,none", "0,none", "0,none"};

class HighScoreFixture : public ::testing::Test {
protected:
    QString path(const char* name = "hs.hsd") const { return directory.filePath(name); }
    QByteArray fileBytes(const char* name = "hs.hsd") const { return readBytes(path(name)); }
    void load(const QByteArray& bytes)
    {
        writeBytes(path(), bytes);
        table.LoadHighScores(mainWindow);
    }

    // The box that says which file could not be written, and why.
    QString cannotWrite(const char* file, const QString& reason) const
    {
        return QStringLiteral("エラー|") + cannotWritePrompt(path(file), reason);
    }

    Rows memory() const
    {
        FakeMainWindow shown;
        highscores::Module1::showTable(shown, table.table());
        return shown.rows();
    }

    QStringList entries() const
    {
        return QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir directory;
    FakeMessageBox messageBox;
    FailingFileStore files;
    FakeMainWindow mainWindow;
    highscores::Module1 table{messageBox, files, directory.path()};
};

}  // namespace testing_support
