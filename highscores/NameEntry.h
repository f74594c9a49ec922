#pragma once

#include <QString>

#include <cstdint>

namespace platform {
class MessageBoxService;
}

namespace highscores {

class MainWindowLink;
class Module1;

// The name-entry window's rules, free of any widget: it belongs to one game
// and keeps that game's level for as long as it is open. What fails on OK is
// told in the window's own message box.
class NameEntry {
public:
    NameEntry(Module1& table, MainWindowLink& mainWindow, platform::MessageBoxService& messageBox, std::uint8_t level,
              std::uint8_t rank);

    // The rank the level earned when the game ended: the numeral shown.
    std::uint8_t shownRank() const { return shownRank_; }

    // OK: saves the typed name with this game's level at the rank the level
    // earns in the table as it stands (HighScoreFile::save), reloads the
    // table into the main window and brings that forward. True when the
    // window may close; false when the table could not be written, so OK can
    // be tried again.
    bool Command1_Click(const QString& text);

private:
    Module1& table_;
    MainWindowLink& mainWindow_;
    platform::MessageBoxService& messageBox_;
    std::uint8_t enteredLevel_;
    std::uint8_t shownRank_;
};

}  // namespace highscores
