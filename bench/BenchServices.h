#pragma once

#include "highscores/Module1.h"
#include "support/GameServices.h"

#include <cstdint>

// A game's services for measuring: message boxes answer at once, and the
// table lives in a directory of its own. No name entry opens.
struct BenchServices : testing_support::GameServices {
    BenchServices() { random = testing_support::ScriptedRandom({0.1F, 0.6F, 0.9F, 0.3F, 0.7F}); }

    highscores::Module1 table{messageBox, files, directory.path()};

    static void noNameEntry(std::uint8_t /*level*/, std::uint8_t /*rank*/) {}
};
