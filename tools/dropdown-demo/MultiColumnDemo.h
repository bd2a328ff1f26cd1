#pragma once
class QLabel;
class QWidget;

// A multi-column drop-down of meters (name, address, medium) on the demo
// window, reporting to the status line.
void addMultiColumnDemo(QWidget &window, QLabel &status);
