#pragma once
// A drop-down edit showing a position as a number, with a slider in its
// popup. Up and Down step the position without opening the popup, and a
// drag over the edit moves it by one step per PageSize pixels; the text
// and the position always agree.
#include "controls/dropdown/DropDownEdit.h"

class QSlider;

namespace controls {

class TExTrackBarDropDown : public TExCustomDropDown {
public:
    TExTrackBarDropDown(TConstructKey key, QWidget *parent);

    // Kept within Min..Max, whichever of the two is the larger.
    int Position() const { return m_position; }
    void setPosition(int position);
    int Min() const { return m_min; }
    void setMin(int min);
    int Max() const { return m_max; }
    void setMax(int max);
    // Pixels of a drag per step; 0 or less: a drag does not step.
    int PageSize() const { return m_pageSize; }
    void setPageSize(int pageSize);
    // The step of the Up and Down keys.
    int Frequency() const { return m_frequency; }
    void setFrequency(int frequency);
    QSlider *TrackBar() const { return m_trackBar; }

    platform::TNotifyEvent OnTrackChange;

protected:
    void Initialize() override;
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void HandleTextChange() override;
    void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void trackChanged();
    void syncRange();
    bool dragAllowed() const { return DropDownEnabled() && !EditorEnabled(); }
    // One move of the drag, at an x of the edit.
    void dragTo(int x);

    QSlider *m_trackBar = nullptr;
    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_pageSize = 2;
    int m_frequency = 1;
    bool m_dragging = false;
    int m_mouseX = 0;
};

} // namespace controls
