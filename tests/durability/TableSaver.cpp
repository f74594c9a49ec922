// Saves the table 13 Dan, 12 Taro, 7 Hanako into a directory as the game
// does, for the test that watches its system calls under strace:
//
//   table_saver DIR
//
// It loads the table there first, as the game does; every message box goes
// to stdout. The exit status is 0 when the save was made.

#include "highscores/Module1.h"
#include "platform/FileCalls.h"
#include "platform/FileStore.h"
#include "support/GameServices.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);  // each line out before the next call
    testing_support::FakeMessageBox messageBox;
    messageBox.whileOpen = [&] { std::puts(messageBox.shown.back().toUtf8().constData()); };
    const std::unique_ptr<platform::FileCalls> calls = platform::systemFileCalls();
    platform::DiskFileStore files(*calls);
    highscores::Module1 module{messageBox, files, QString::fromLocal8Bit(argv[1])};
    testing_support::FakeMainWindow labels;
    module.LoadHighScores(labels);
    const highscores::HighScoreTable table{{{13, "Dan"}, {12, "Taro"}, {7, "Hanako"}}};
    return module.SaveHighScores(highscores::replacedBy(table), messageBox).failure ? 1 : 0;
}
