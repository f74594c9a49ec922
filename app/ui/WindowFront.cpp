#include "ui/WindowFront.h"

#include <QWidget>

namespace ui {

void showAsPlaced(QWidget& window)
{
    window.setVisible(true);
}

void bringForward(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    showAsPlaced(window);
    window.raise();
    window.activateWindow();
}

}  // namespace ui
