#pragma once
// The calculator's keypad: 28 keys laid out by the core, the hot and the
// pressed key followed with the mouse, each key drawn as a themed push
// button (the classic one without a theme), a click reported by its index.
#include "controls/dropdown/ButtonAppearance.h"
#include "controls/dropdown/core/CalculatorKeypad.h"

#include <QWidget>

#include <array>
#include <functional>

namespace controls {

class TCustomButtonPanel : public QWidget {
public:
    explicit TCustomButtonPanel(QWidget *parent = nullptr);

    // Inside a drop-down the popup draws the frame.
    void setInDropDown(bool inDropDown) { m_inDropDown = inDropDown; }
    int ButtonCount() const { return CalculatorKeyCount; }
    int ButtonAtPos(QPoint point) const { return keyAt(rects(), point); }
    // (-1, -1, -1, -1) in left-top-right-bottom terms for no key.
    QRect GetButtonRect(int index) const;
    int ButtonTag(int index) const;
    int ButtonHot() const { return m_hot; }
    int ButtonDown() const { return m_down; }
    void ArrangeButtons();

    // The caption font and colours of the keys; the faces are themed.
    const TButtonAppearance &ButtonAppearance() const { return m_appearance; }
    void setButtonAppearance(const TButtonAppearance &appearance);

    std::function<void(QObject *sender, int index)> OnButtonClick;

    static constexpr int OffSetX = 8;
    static constexpr int OffSetY = 8;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setHot(int index);
    void setDown(int index);
    void invalidateButton(int index);

    // A hidden panel gets its resize event only when shown: the layout
    // follows the size whenever it is asked for.
    const std::array<QRect, CalculatorKeyCount> &rects() const;

    mutable std::array<QRect, CalculatorKeyCount> m_rects{};
    mutable QSize m_arrangedFor;
    int m_hot = -1;
    int m_down = -1;
    bool m_inDropDown = false;
    TButtonAppearance m_appearance;
};

} // namespace controls
