#pragma once

#include "highscores/NameEntryOpener.h"

#include <cstdint>
#include <deque>
#include <functional>

namespace highscores {

class Module1;

// Opens and raises name-entry windows on screen.
class NameEntryWindows {
public:
    virtual ~NameEntryWindows() = default;
    // Opens a window for the level and rank; calls closed once it has closed,
    // by OK or by its close box.
    virtual void open(std::uint8_t level, std::uint8_t rank, std::function<void()> closed) = 0;
    virtual void bringForward() = 0;
};

// One name-entry window at a time, each with its own game. A game that
// reaches the table while a window is open waits its turn; when the window
// closes, it gets a window of its own if it still enters the table then.
class NameEntryLauncher final : public NameEntryOpener {
public:
    NameEntryLauncher(Module1& table, NameEntryWindows& windows);

    void showNameEntry() override;

private:
    void open(std::uint8_t level, std::uint8_t rank);
    void closed();

    Module1& table_;
    NameEntryWindows& windows_;
    bool open_ = false;
    std::deque<std::uint8_t> waiting_;  // levels of later games, oldest first
};

}  // namespace highscores
