#pragma once

#include <functional>

class QWidget;

// Until a window is shown, and on some systems until the window manager has framed it, its frame
// geometry is its inner geometry: an outer size or a centred place worked out before then is off
// by the frame. whenFramed calls fit when the window is first shown, and once more when its frame
// becomes known later; after a call that saw the frame it stops. Where windows have no frame,
// the call at the first show is the only one.
void whenFramed(QWidget* window, std::function<void()> fit);
