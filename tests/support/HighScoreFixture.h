#pragma once

#include "highscores/MainWindowLink.h"
#include "highscores/Module1.h"
#include "platform/FileStore.h"
#include "support/FakeServices.h"
#include "support/TableFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace testing_support {

// A table as "level,name" rows, best first, so failures print readably.
using Rows = std::vector<std::string>;
inline const Rows kNoneInMemory{"0,none", "0,none", "0,none"};

// A table that loads without complaint, and its rows.
inline const QByteArray kTaroHanakoJiro = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n3,Jiro\r\n");
inline const Rows kTaroRows{"12,Taro", "7,Hanako", "3,Jiro"};
inline const QString kCannotWrite = QStringLiteral("ハイスコアデータを書き込めませんでした\r\n");

// The main window's table, with its designed captions; counts how often the
// window is brought forward.
class FakeMainWindow final : public highscores::MainWindowLink {
public:
    void setLabel3Caption(int index, const QString& caption) override { captions.at(index) = caption; }
    void Show() override { ++shows; }

    Rows rows() const
    {
        Rows rows;
        for (std::size_t i = 0; i < 3; ++i)
            rows.push_back(captions[i + 3].toStdString() + "," + captions[i].toStdString());
        return rows;
    }

    std::array<QString, 6> captions{QStringLiteral("None"), QStringLiteral("None"), QStringLiteral("None"),
                                    QStringLiteral("0"),    QStringLiteral("0"),    QStringLiteral("0")};
    int shows = 0;
};

// The disk, until a test makes every write, or only every rename, fail for a
// reason of its choosing ("No space left on device").
class FailingFileStore final : public platform::FileStore {
public:
    platform::FileStart readStart(const QString& path, qint64 maxBytes) const override
    {
        return disk_.readStart(path, maxBytes);
    }
    std::optional<platform::FileFailure> replace(const QString& path, const QByteArray& bytes) override
    {
        return failWrites ? platform::FileFailure{path, *failWrites} : disk_.replace(path, bytes);
    }
    std::optional<platform::FileFailure> rename(const QString& from, const QString& to) override
    {
        const std::optional<QString>& failure = failWrites ? failWrites : failRenames;
        return failure ? platform::FileFailure{to, *failure} : disk_.rename(from, to);
    }

    std::optional<QString> failWrites;
    std::optional<QString> failRenames;

private:
    platform::DiskFileStore disk_;
};

// The high-score table over a directory of its own, with a main window and
// message boxes that only record.
class HighScoreFixture : public ::testing::Test {
protected:
    QString path(const char* name = "hs.hsd") const { return directory.filePath(QString::fromLatin1(name)); }
    QByteArray fileBytes() const { return readBytes(path()); }

    // The load error box came first, exactly as the player knows it.
    void expectLoadError() const
    {
        ASSERT_FALSE(messageBox.shown.empty());
        EXPECT_EQ(messageBox.shown[0].prompt, QStringLiteral("ハイスコアデータが開けませんでした"));
        EXPECT_EQ(messageBox.shown[0].buttons, platform::MessageBoxButtons::OkOnly);
        EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("エラー"));
    }

    // Box number `box` says which file could not be written, and why.
    void expectWriteFailure(std::size_t box, const char* file, const QString& reason) const
    {
        ASSERT_GT(messageBox.shown.size(), box);
        EXPECT_EQ(messageBox.shown[box].prompt,
                  kCannotWrite + QDir::toNativeSeparators(path(file)) + QStringLiteral("\r\n") + reason);
        EXPECT_EQ(messageBox.shown[box].title, QStringLiteral("エラー"));
    }

    Rows memory() const
    {
        Rows rows;
        for (std::size_t i = 0; i < 3; ++i)
            rows.push_back(std::to_string(table.hiScores[i]) + "," + table.hiNames[i].toStdString());
        return rows;
    }

    QTemporaryDir directory;
    FakeMessageBox messageBox;
    FailingFileStore files;
    FakeMainWindow mainWindow;
    highscores::Module1 table{messageBox, files, directory.path()};
};

}  // namespace testing_support
