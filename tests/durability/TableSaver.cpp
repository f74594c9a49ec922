// Saves high-score tables into a directory as the game does, for the tests
// that kill it or fail its system calls part way through a save:
//
//   table_saver DIR TABLE...           saves each table once, in turn
//   table_saver --forever DIR TABLE... saves them in turn until killed
//
// A table is its six fields on one line ("12,Taro,7,Hanako,3,Jiro"). Every
// message box goes to stdout; the exit status is 0 when every save was made.

#include "highscores/HighScoreFormat.h"
#include "highscores/Module1.h"
#include "platform/FileStore.h"
#include "platform/MessageBoxService.h"

#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

class PrintedMessageBox final : public platform::MessageBoxService {
public:
    platform::MessageBoxResult show(const QString& prompt, platform::MessageBoxButtons /*buttons*/,
                                    const QString& /*title*/) override
    {
        std::puts(prompt.toUtf8().constData());
        std::fflush(stdout);
        return platform::MessageBoxResult::Ok;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const bool endless = !args.isEmpty() && args.first() == QStringLiteral("--forever");
    if (endless)
        args.removeFirst();
    if (args.size() < 2)
        return 2;

    std::vector<highscores::HighScoreTable> tables;
    for (const QString& text : args.mid(1)) {
        const std::optional<highscores::HighScoreTable> table = highscores::parseHighScores(text);
        if (!table)
            return 2;
        tables.push_back(*table);
    }

    PrintedMessageBox messageBox;
    platform::DiskFileStore files;
    highscores::Module1 module{messageBox, files, args.first()};
    // Marks each save in a system-call trace.
    const auto mark = [](const char* line) {
        std::puts(line);
        std::fflush(stdout);
    };
    if (endless) {
        mark("saving");
        for (std::size_t i = 0;; i = (i + 1) % tables.size())
            module.SaveHighScores(tables[i]);
    }
    bool saved = true;
    for (const highscores::HighScoreTable& table : tables) {
        mark("saving");
        saved = module.SaveHighScores(table) && saved;
        mark("saved");
    }
    return saved ? 0 : 1;
}
