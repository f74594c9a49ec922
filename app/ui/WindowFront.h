#pragma once

class QWidget;

namespace ui {

// Brings a top-level window in front of the others with the keyboard,
// restoring it first if it was minimised: raised but minimised, the player
// would not see it at all.
void bringForward(QWidget& window);

}  // namespace ui
