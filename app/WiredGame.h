#pragma once

#include "game/Form1Window.h"
#include "highscores/Module1.h"
#include "highscores/NameEntryLauncher.h"

#include <QString>

namespace platform {
class FileStore;
class MessageBoxService;
class RandomSource;
}  // namespace platform

// The game's windows wired to each other and to the services they call: the
// table kept in hs.hsd in directory, the name window each game that enters it
// opens, and the main window, not yet loaded or shown.
struct WiredGame {
    WiredGame(platform::MessageBoxService& messageBox, platform::RandomSource& random, platform::FileStore& files,
              const QString& directory);

    highscores::Module1 table;
    highscores::NameEntryLauncher nameEntry;
    game::Form1Window window;
};
