#pragma once

#include "highscores/NameEntry.h"
#include "ui/QtMessageBox.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace ui {
class GraphicalButton;
}

namespace highscores {

// The name-entry window on screen: congratulates the player, shows the rank
// and takes the name. Its rules are NameEntry's. The close box saves nothing.
// Its message boxes block only this window: the game in the main window can
// be played on meanwhile.
class Form2Window final : public QWidget {
    Q_OBJECT
public:
    Form2Window(Module1& table, MainWindowLink& mainWindow, std::uint8_t level, std::uint8_t rank);

    // In front, restored if minimised, with the whole name selected in the
    // name box, so that typing replaces it.
    void bringForward();

signals:
    // The window has closed, by OK or by its close box.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void centreOnScreen();
    void Command1_Click();

    ui::QtMessageBox messageBox_;
    NameEntry entry_;
    QLabel* Picture1 = nullptr;               // the rank numeral
    ui::GraphicalButton* Command1 = nullptr;  // OK
    QLineEdit* Text1 = nullptr;               // the name
    bool centredWithFrame_ = false;
    bool nameEdited_ = false;  // since the window last came forward
};

}  // namespace highscores
