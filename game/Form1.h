#pragma once

#include "game/Form1Controls.h"
#include "highscores/HighScoreLabels.h"
#include "highscores/HighScoreTable.h"
#include "platform/CheckedInteger.h"

#include <QtCore/qnamespace.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>

namespace platform {
class MessageBoxService;
class RandomSource;
}  // namespace platform

namespace highscores {
class Module1;
}  // namespace highscores

namespace game {

// What the main window needs from outside itself.
struct Form1Services {
    platform::MessageBoxService& messageBox;
    platform::RandomSource& random;
    highscores::Module1& highScores;
    // Opens the name entry for a game that ended at level, which earns rank
    // in the table; never waits for the name.
    std::function<void(std::uint8_t level, std::uint8_t rank)> showNameEntry;
};

// The main window's state and handlers, free of any widget: the game itself.
// Controls carry their designer names and designed values; the window mirrors
// them on screen after every handler.
class Form1 final : public highscores::HighScoreLabels {
public:
    explicit Form1(Form1Services services);

    // --- Controls -------------------------------------------------------
    Frame Frame1{.Height = 3870};                                         // the play field
    std::array<CommandButton, 2> Command3{kHiddenTarget, kHiddenTarget};  // the falling targets
    Label Label4{QStringLiteral("0")};                                    // the level, as decimal text
    Label Label5{lifeMeter(0)};                                           // the life meter, one square per life
    Shape Shape1{kMarkerRestLeft, kMarkerRestTop};                        // the gauge marker
    CommandButton Command2{.Caption = QStringLiteral("Start!"), .BackColor = platform::colours::kLightAqua};
    CommandButton Command1{.Caption = QStringLiteral("Give Up"), .Enabled = false};
    CommandButton Command4{.Caption = QStringLiteral("ハイスコアのクリア")};  // clears the table
    Timer Timer1;                                                             // the game tick, kTick
    std::array<Label, 6> Label3{                                              // the table: names 0..2, levels 3..5
                                Label{highscores::kDefaultNameInFile},
                                Label{highscores::kDefaultNameInFile},
                                Label{highscores::kDefaultNameInFile},
                                Label{QStringLiteral("0")},
                                Label{QStringLiteral("0")},
                                Label{QStringLiteral("0")}};

    // --- Game variables -------------------------------------------------
    platform::Integer speed = 0;         // twips a target falls per tick
    platform::Integer holdSecond = 0;    // true while target 1 waits at the top
    platform::Integer missCount = 0;     // misses in this game, 0 to 5
    platform::Integer gauge = 0;         // net good presses since the last level-up
    std::array<QString, 2> colourCodes;  // red for the left button, blue for the right

    // --- Handlers -------------------------------------------------------
    void Form_Load();
    void Command2_Click();  // Start!
    void Command1_Click();  // Give Up
    void Command4_Click();  // clear the high scores
    void Form_KeyDown(int keyCode, int shift);
    void GameOver();
    // The window is closing: a running game ends at once and says nothing,
    // neither the game-over message nor a name entry.
    void Form_Unload();
    void Timer1_Timer();  // one tick: level-up, then the targets fall
    // A mouse button going down on target index: the left one for red, the
    // right one for blue; any other does nothing.
    void Command3_MouseDown(int index, Qt::MouseButton button);
    // Registers one miss already counted in missCount; sortmiss is true for a
    // wrong press on target index, false for a target that fell through.
    void MissMiss(platform::Integer sortmiss, platform::Integer index);

    // A target can be judged while it overlaps the band between the yellow
    // lines.
    static bool inHitZone(const CommandButton& target);

    void setLabel3Caption(int index, const QString& caption) override;

    // --- Rules ----------------------------------------------------------
    static constexpr platform::Integer kLevelUpGauge = 10;   // a tick that finds it raises the level
    static constexpr platform::Integer kGameOverGauge = -3;  // a press that leaves it ends the game
    static constexpr platform::Integer kLives = 5;           // the miss that uses the last one ends the game
    static constexpr std::chrono::milliseconds kTick{30};    // between two Timer1_Timer calls

    // The yellow lines across the play field, by their middles.
    static constexpr platform::Twips kUpperHitLine = 2805;
    static constexpr platform::Twips kLowerHitLine = 3240;

    static constexpr platform::Twips kTargetWidth = 1095;
    static constexpr platform::Twips kTargetHeight = 405;
    static constexpr platform::Twips kMarkerRestLeft = 600;  // the gauge marker at a gauge of 0
    static constexpr platform::Twips kMarkerRestTop = 3120;

private:
    // One square per life left.
    static QString lifeMeter(platform::Integer missCount);

    // Start! leaves a sliver of each target in sight; a respawn puts it
    // wholly above the play field.
    static constexpr platform::Twips kStartTop = -400;
    static constexpr platform::Twips kRespawnTop = -kTargetHeight;
    static constexpr platform::Twips kTargetLeft = -15;
    static inline const CommandButton kHiddenTarget{.Left = -60, .Visible = false};
    // Twips a target falls per tick at level 0; each level adds a step.
    static constexpr platform::Integer kStartSpeed = 60;

    void drawColour(CommandButton& target);
    void fall(CommandButton& target) const;
    void respawn(CommandButton& target);
    void moveMarkerToGauge();
    void returnToIdle();
    highscores::HighScoreLevels shownLevels() const;

    Form1Services services_;
    bool gameOverRunning_ = false;
};

}  // namespace game
