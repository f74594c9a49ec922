#include "highscores/Module1.h"

#include "platform/MessageBoxService.h"

#include <utility>

namespace highscores {

Module1::Module1(platform::MessageBoxService& messageBox, QString directory)
    : messageBox_(messageBox), directory_(std::move(directory))
{
}

void Module1::LoadHighScores(HighScoreLabels& /*labels*/)
{
    // The table stays as designed until hs.hsd support arrives.
}

void Module1::ClearHighScores(HighScoreLabels& /*labels*/)
{
    // Nothing to clear until hs.hsd support arrives.
}

}  // namespace highscores
