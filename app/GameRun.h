#pragma once

#include <functional>

struct WiredGame;

// Runs the game until its main window is closed: builds the windows, loads
// the high-score table, shows the main window and runs the event loop.
// afterShow, if given, runs once the main window has been shown.
int runGame(int argc, char* argv[], const std::function<void(WiredGame& game)>& afterShow = {});
