#pragma once

#include "highscores/MainWindowLink.h"
#include "platform/FileStore.h"

#include <QString>

#include <array>
#include <optional>

namespace testing_support {

// The main window's table as the high-score code sees it, with the designed
// captions, counting how often it is brought forward.
class FakeMainWindow final : public highscores::MainWindowLink {
public:
    void setLabel3Caption(int index, const QString& caption) override { captions.at(index) = caption; }
    void Show() override { ++shows; }

    std::array<QString, 6> captions{QStringLiteral("None"), QStringLiteral("None"), QStringLiteral("None"),
                                    QStringLiteral("0"),    QStringLiteral("0"),    QStringLiteral("0")};
    int shows = 0;
};

// The real disk, until a test says every write fails for a reason of its
// choosing ("No space left on device"); reads still reach the disk.
class FailingFileStore final : public platform::FileStore {
public:
    platform::FileStart readStart(const QString& path, qint64 maxBytes) const override
    {
        return disk_.readStart(path, maxBytes);
    }
    std::optional<platform::FileFailure> replace(const QString& path, const QByteArray& bytes) override
    {
        if (failWrites)
            return platform::FileFailure{path, *failWrites};
        return disk_.replace(path, bytes);
    }
    std::optional<platform::FileFailure> rename(const QString& from, const QString& to) override
    {
        if (failWrites)
            return platform::FileFailure{to, *failWrites};
        return disk_.rename(from, to);
    }

    std::optional<QString> failWrites;

private:
    platform::DiskFileStore disk_;
};

}  // namespace testing_support
