#pragma once
// The spin controls of the dialogs (the statistics' year spin, the settings' port spin): a
// small vertical scroll bar beside an edit whose upper arrow, the Up key and the wheel turned
// up give the next value.
class QScrollBar;
class QWidget;

// A spin bar named by its control id.
QScrollBar* makeSpinBar(QWidget* parent, int id);
