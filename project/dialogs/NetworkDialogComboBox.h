#pragma once
// The pick lists of the network dialog whose items are wider than the list
// itself ("Type of Data", "VIFE"): the dropped-down list is made wide enough
// for its widest item and opens with its right edge on the combo's right
// edge, so that it stays over the dialog.
#include <QComboBox>

namespace project {

class WideListComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit WideListComboBox(QWidget *parent = nullptr);

    // The widest item in the combo's font plus 12 pixels and extra; the list
    // keeps its width when the combo (less a scroll bar) is already as wide.
    void fitListWidth(int extra);
    int listWidth() const { return m_listWidth; }

    void showPopup() override;

private:
    int m_listWidth = 0;
};

} // namespace project
