#pragma once

#include "highscores/NameEntryLauncher.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

namespace highscores {

class Form2Window;
class MainWindowLink;
class Module1;

// Name-entry windows as real top-level windows, one at a time, each deleted
// once it has closed.
class QtNameEntryWindows final : public QObject, public NameEntryWindows {
public:
    explicit QtNameEntryWindows(Module1& table);
    ~QtNameEntryWindows() override;

    // The main window is made after the launcher that it calls; it is linked
    // here before any game can end.
    void setMainWindow(MainWindowLink& mainWindow);

    void open(std::uint8_t level, std::uint8_t rank, std::function<void()> closed) override;
    void bringForward() override;

private:
    Module1& table_;
    MainWindowLink* mainWindow_ = nullptr;
    std::unique_ptr<Form2Window> window_;
};

}  // namespace highscores
