// What the game stands on in a test or a benchmark: a directory of its own
// for hs.hsd, message boxes that record, scripted draws, and a disk that
// fails when told to.
#pragma once

#include "support/Fakes.h"

#include <QDir>
#include <QTemporaryDir>

namespace testing_support {

struct GameServices {
    // hs.hsd, or a file beside it.
    QString path(const char* name = "hs.hsd") const { return directory.filePath(QString::fromUtf8(name)); }
    // Everything in the directory, hidden files too.
    QStringList entries() const
    {
        return QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir directory;
    FakeMessageBox messageBox;
    ScriptedRandom random;
    FailingFileStore files;
};

}  // namespace testing_support
