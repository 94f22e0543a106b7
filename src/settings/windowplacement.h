#pragma once

class QWidget;

// The settings windows are designed in twips; these place them in pixels at the logical dots
// per inch of the screen they are on.
namespace placement {

// Sets a child's rectangle inside its parent.
void setTwipsGeometry(QWidget* widget, double left, double top, double width, double height);
// Gives a window a fixed client area.
void setFixedTwipsSize(QWidget* window, double width, double height);
// Moves a window so that its centre falls on the centre of another window, both taken with
// their frames, and again once the window is shown and its own frame is known. Does nothing
// without the other window.
void centreOn(QWidget* window, const QWidget* other);

} // namespace placement
