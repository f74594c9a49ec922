#pragma once

class QWidget;

namespace ui {

// Shows a window at its own place and size. (show() would fill the page with
// it in a browser, where Qt shows every window full screen.)
void showAsPlaced(QWidget& window);

// Brings a top-level window in front of the others with the keyboard,
// restoring it first if it was minimised: raised but minimised, the player
// would not see it at all.
void bringForward(QWidget& window);

}  // namespace ui
