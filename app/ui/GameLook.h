#pragma once

namespace ui {

// The application-wide look: Fusion, with plain message boxes (buttons
// without icons, text that is not selectable), and the layout's fonts mapped
// to this system's. Call once, after the application
// object exists.
void installGameLook();

}  // namespace ui
