#pragma once
// The demo's panel drop-downs: a clock of its own, a time picker, a track
// bar and a memo, to the right of the others.
class QLabel;
class QWidget;

void addPanelDropDowns(QWidget &window, QLabel &status);
