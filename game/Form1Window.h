#pragma once

#include "game/Form1.h"
#include "highscores/MainWindowLink.h"
#include "platform/MessageBoxService.h"
#include "platform/PacedTimer.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace ui {
class GraphicalButton;
class TargetButton;
}  // namespace ui

namespace game {

// The main window on screen: lays out the controls, mirrors the game's state
// after every handler, and turns clicks, presses and timer ticks into handler
// calls. All decisions are made by Form1.
class Form1Window final : public QWidget, public highscores::MainWindowLink {
    Q_OBJECT
public:
    explicit Form1Window(Form1Services services);

    // Runs the load handler; call once before the window is first shown.
    void load();

    const Form1& form() const { return form_; }

    // For the name-entry window: bring this window forward, refresh the table.
    void Show() override;
    void setLabel3Caption(int index, const QString& caption) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows the latest state behind every message box the game opens.
    class SyncingMessageBox final : public platform::MessageBoxService {
    public:
        SyncingMessageBox(Form1Window& window, platform::MessageBoxService& inner);
        platform::MessageBoxResult show(const QString& prompt, platform::MessageBoxButtons buttons,
                                        const QString& title) override;

    private:
        Form1Window& window_;
        platform::MessageBoxService& inner_;
    };

    void buildControls();
    void buildPlayField();
    void buildGauge();
    void buildHighScoreBox();
    void connectHandlers();

    template <typename Handler>
    void run(Handler&& handler);
    void showState();

    SyncingMessageBox messageBox_;
    Form1 form_;

    QWidget* Frame1 = nullptr;                    // the play field
    std::array<ui::TargetButton*, 2> Command3{};  // the falling targets
    QLabel* Label4 = nullptr;                     // the level
    QLabel* Label5 = nullptr;                     // the life meter
    QLabel* Shape1 = nullptr;                     // the gauge marker
    ui::GraphicalButton* Command2 = nullptr;      // Start!
    QPushButton* Command1 = nullptr;              // Give Up
    ui::GraphicalButton* Command4 = nullptr;      // clears the high scores
    std::array<QLabel*, 6> Label3{};              // the high-score table
    platform::PacedTimer Timer1;                  // the game tick
};

}  // namespace game
