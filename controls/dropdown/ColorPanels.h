#pragma once
// The colour picker's popup panels beside its list: a palette of colour
// boxes in shade columns, a honeycomb of 127 colour cells, and a spectrum
// picture any pixel of which can be picked.
#include "controls/dropdown/core/ColorPanelsLayout.h"
#include "controls/dropdown/core/DropDownTypes.h"
#include "controls/dropdown/paint/SelectorPainting.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Canvas.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

namespace controls {

class TExCustomColorSelectorPanel : public QWidget {
public:
    explicit TExCustomColorSelectorPanel(QWidget *parent);

    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);

    // Raised by the cube and the spectrum on a mouse release.
    platform::TNotifyEvent OnShouldHide;

protected:
    void fillBackground(platform::TCanvas &canvas, const QRect &r) const;

private:
    platform::TColor m_color = platform::clWhite;
};

struct TColorBoxItem {
    platform::TColor Color = platform::clNone;
    bool Enabled = true;
    TItemPos ColorBoxPos = ipStandAlone;
};

// The palette.
class TCustomColorSelector : public TExCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(QWidget *parent);

    const std::vector<TColorBoxItem> &Items() const { return m_items; }
    void setItems(std::vector<TColorBoxItem> items);
    // The 60 boxes of the default palette, in place of any others.
    void AddDefaultColorBoxes();

    int ItemIndex() const { return m_itemIndex; }
    // A disabled box and an index past the boxes are refused.
    void setItemIndex(int index);
    int ItemHot() const { return m_itemHot; }
    void setItemHot(int index);
    platform::TColor SelectedColor() const { return m_selectedColor; }
    void setSelectedColor(platform::TColor color);
    int Columns() const { return m_columns; }
    void setColumns(int columns);
    int ColumnGap() const { return m_columnGap; }
    void setColumnGap(int gap);
    int ColorBoxWidth() const { return m_boxSize.width(); }
    int ColorBoxHeight() const { return m_boxSize.height(); }
    void setColorBoxSize(QSize size);
    TSelectionColorStyle ItemColorStyle() const { return m_itemColorStyle; }
    void setItemColorStyle(TSelectionColorStyle style);
    TColorBoxLook &ColorBoxAppearance() { return m_look; }

    QRect ItemRect(int index) const;
    int ItemAtPos(QPoint at) const;
    void ArrangeItems();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Page keys, Home, End and the arrows as the drop-down passes them.
    void HandleSelectorKey(int key, bool editorEnabled, bool droppedDown);

    platform::TNotifyEvent OnItemSelect;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void invalidateItem(int index);

    std::vector<TColorBoxItem> m_items;
    std::vector<QRect> m_rects;
    int m_itemIndex = -1;
    int m_itemHot = -1;
    int m_columns = 10;
    int m_columnGap = 4;
    QSize m_boxSize{12, 12};
    TColorBoxLook m_look;
    TSelectionColorStyle m_itemColorStyle = scOffice2007;
    platform::TColor m_selectedColor = platform::clNone;
};

// The honeycomb.
class TExColorCubePanel : public TExCustomColorSelectorPanel {
public:
    explicit TExColorCubePanel(QWidget *parent);

    platform::TColor SelectedColor() const { return m_selectedColor; }
    // Outlines the first cell of that colour, none when no cell has it.
    void setSelectedColor(platform::TColor color);
    int SelectedIndex() const { return m_selectedIndex; }
    int HotIndex() const { return m_hotIndex; }
    bool ShowRGBHint() const { return m_showRGBHint; }
    void setShowRGBHint(bool show);
    void InitCells() {}
    // No hot cell and the cube's own size.
    void ResetHot();
    int CellAtPos(QPoint at) const { return cubeCellAtPos(at); }

    platform::TNotifyEvent OnSelect;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void invalidateCell(int index);

    platform::TColor m_selectedColor = platform::clNone;
    int m_selectedIndex = -1;
    int m_hotIndex = -1;
    bool m_showRGBHint = true;
};

// The spectrum: the picture, the chosen colour's swatch and the swatch of
// the colour under the pointer.
class TExColorSpectrumPanel : public TExCustomColorSelectorPanel {
public:
    explicit TExColorSpectrumPanel(QWidget *parent);

    platform::TColor SelectedColor() const { return m_selectedColor; }
    void setSelectedColor(platform::TColor color);
    platform::TColor HotColor() const { return m_hotColor; }
    QWidget *Picture() const { return m_picture; }
    QRect SelectedRect() const { return m_selectedRect; }
    QRect HotRect() const { return m_hotRect; }
    void ArrangeSpectrum();

    platform::TNotifyEvent OnSelect;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    platform::TColor colorAt(QPoint inPicture) const;

    QLabel *m_picture = nullptr;
    QImage m_spectrum;
    platform::TColor m_hotColor = platform::clNone;
    platform::TColor m_selectedColor = platform::clWhite;
    QRect m_selectedRect;
    QRect m_hotRect;
};

} // namespace controls
