#pragma once
// The year spin (1417) of the statistics windows: a small vertical scroll bar beside the
// year edit whose upper arrow, the Up key and the wheel turned up give the next year.
class QScrollBar;
class QWidget;

QScrollBar* makeYearSpin(QWidget* parent);
