#pragma once

#include <QObject>

#include <cstdint>
#include <deque>
#include <memory>

namespace highscores {

class Form2Window;
class MainWindowLink;
class Module1;

// Opens a name-entry window for each game that enters the table, one window
// at a time. A game that enters while a window is open waits its turn; when
// the window closes, by OK or by its close box, the oldest waiting game gets
// a window of its own if it still enters the table then.
class NameEntryLauncher final : public QObject {
public:
    explicit NameEntryLauncher(Module1& table);
    ~NameEntryLauncher() override;

    // The main window is made after the launcher that it calls; it is linked
    // here before any game can end.
    void setMainWindow(MainWindowLink& mainWindow);

    // A game has ended at level, which earns rank in the table as shown.
    // Never waits for the name.
    void showNameEntry(std::uint8_t level, std::uint8_t rank);

private:
    void open(std::uint8_t level, std::uint8_t rank);
    void closed();

    Module1& table_;
    MainWindowLink* mainWindow_ = nullptr;
    std::unique_ptr<Form2Window> window_;  // the open window, if any
    std::deque<std::uint8_t> waiting_;     // levels of later games, oldest first
};

}  // namespace highscores
