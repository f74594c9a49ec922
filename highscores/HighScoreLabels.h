#pragma once

#include <QString>

#include <cstddef>

namespace highscores {

// The main window's high-score box as the table code sees it: Label3(0..2)
// hold the names of ranks 1 to 3, Label3(3..5) their levels. row is the
// rank less one.
class HighScoreLabels {
public:
    virtual ~HighScoreLabels() = default;
    virtual void setLabel3Caption(int index, const QString& caption) = 0;
};

constexpr int nameLabel(std::size_t row)
{
    return static_cast<int>(row);
}
constexpr int levelLabel(std::size_t row)
{
    return static_cast<int>(row) + 3;
}

}  // namespace highscores
