#pragma once

#include "highscores/Module1.h"
#include "platform/FileStore.h"
#include "support/Fakes.h"

#include <QTemporaryDir>

#include <cstdint>

// A game's services for measuring: message boxes answer at once, and the
// table lives in a directory of its own. No name entry opens.
struct BenchServices {
    QTemporaryDir directory;
    testing_support::FakeMessageBox messageBox;
    testing_support::ScriptedRandom random{{0.1F, 0.6F, 0.9F, 0.3F, 0.7F}};
    platform::DiskFileStore files;
    highscores::Module1 table{messageBox, files, directory.path()};

    static void noNameEntry(std::uint8_t /*level*/, std::uint8_t /*rank*/) {}
};
