#include "WiredGame.h"

#include <functional>

WiredGame::WiredGame(platform::MessageBoxService& messageBox, platform::RandomSource& random,
                     platform::FileStore& files, const QString& directory)
    : table(messageBox, files, directory),
      nameEntry(table),
      window({messageBox, random, table, std::bind_front(&highscores::NameEntryLauncher::showNameEntry, &nameEntry)})
{
    nameEntry.setMainWindow(window);
}
