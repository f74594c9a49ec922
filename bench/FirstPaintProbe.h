#pragma once

#include <functional>

class QWidget;

// Reports on standard output, as "first_paint_ns N", the steady clock's time
// once the window has first been painted; then runs exercise (which may run
// the event loop), reports the peak resident memory as "peak_rss_kb N" and
// ends the program.
void probeFirstPaint(QWidget& window, std::function<void()> exercise = {});
