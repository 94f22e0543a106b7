#pragma once

class QLabel;
class QWidget;

// A bordered, centred label with the window background, for the number of the spin button
// beside it.
QLabel* makeValueDisplay(QWidget* parent);
