#pragma once

namespace highscores {

// Opens the name-entry window for the game that has just ended, whose level
// and rank stand in Module1's finalLevel and newRank. Never waits for the name.
class NameEntryOpener {
public:
    virtual ~NameEntryOpener() = default;
    virtual void showNameEntry() = 0;
};

}  // namespace highscores
