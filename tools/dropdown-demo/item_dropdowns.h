#pragma once
// The item drop-downs on the demo window: meter types with notes, a unit
// icon picker and a colour picker of each popup style.
class QLabel;
class QWidget;

void addItemDropDowns(QWidget &window, QLabel &status);
