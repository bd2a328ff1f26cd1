#pragma once
// The page control with its sheets: an ordered list of pages, one shown at a
// time, its tabs laid out, hit-tested and painted by the control itself
// (colours, gradients, captions turned for side tabs, close buttons, hover).
// A closed sheet is freed or kept, hidden, in a list it can be reopened from.
#include "controls/dropdown/LbButtonFace.h"
#include "controls/dropdown/TabLayout.h"
#include "controls/dropdown/TabSheet.h"
#include "platform/Color.h"
#include "platform/NotifyEvent.h"

#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace platform {
class TImageList;
}

namespace controls {

enum class TTabStyle { tsClassic, tsDotNet };

// Extra room in each tab; a change is reported before it is stored.
class TTabMargin {
public:
    using MarginChange = std::function<void(int newValue, int oldValue, int index)>;

    int LeftMargin() const { return m_left; }
    void setLeftMargin(int value) { set(m_left, value, 0); }
    int TopMargin() const { return m_top; }
    void setTopMargin(int value) { set(m_top, value, 1); }
    int RightMargin() const { return m_right; }
    void setRightMargin(int value) { set(m_right, value, 2); }
    // Copies the three values without reporting a change.
    void Assign(const TTabMargin &other);

    MarginChange OnMarginChange;

private:
    void set(int &field, int value, int index);
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
};

class TExPageControl : public QWidget {
    Q_OBJECT
public:
    explicit TExPageControl(QWidget *parent = nullptr);
    ~TExPageControl() override;

    // The sheet shown, or none. Writing a sheet of another control, or one
    // whose tab is disabled, changes nothing; writing the active sheet only
    // reselects its tab; none leaves no active page.
    TExTabSheet *ActivePage() const { return m_activePage; }
    void setActivePage(TExTabSheet *sheet);
    int ActivePageIndex() const;
    void setActivePageIndex(int index);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TExTabSheet *Pages(int index) const;

    // The next page after (or before) a page, wrapping round; only pages whose
    // tab is visible when asked. None when there is no other.
    TExTabSheet *FindNextPage(TExTabSheet *current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward);

    // Closed sheets kept by name (the sheet's object name).
    bool OpenClosedTab(const QString &tabName);
    void OpenAllClosedTabs();
    QStringList closedTabNames() const;

    TTabPosition TabPosition() const { return m_tabPosition; }
    void setTabPosition(TTabPosition position);
    TTabStyle TabStyle() const { return m_tabStyle; }
    void setTabStyle(TTabStyle style);
    bool MultiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine);
    bool RaggedRight() const { return m_raggedRight; }
    void setRaggedRight(bool ragged);
    // Depth of a row of tabs; 0 takes it from the font.
    int TabHeight() const { return m_tabHeight; }
    void setTabHeight(int height);
    // Length of every tab along the strip; 0 sizes each by its text.
    int TabWidth() const { return m_tabWidth; }
    void setTabWidth(int width);
    TTabMargin &TabMargin() { return m_tabMargin; }
    int TabOverlap() const { return m_tabOverlap; }
    void setTabOverlap(int overlap);
    int LowerActive() const { return m_lowerActive; }
    void setLowerActive(int pixels);

    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);
    platform::TColor DefaultTextColor() const { return m_defaultTextColor; }
    void setDefaultTextColor(platform::TColor color);
    platform::TColor DefaultTabColor() const { return m_defaultTabColor; }
    void setDefaultTabColor(platform::TColor color);
    platform::TColor DefaultTabColorTo() const { return m_defaultTabColorTo; }
    void setDefaultTabColorTo(platform::TColor color);
    platform::TColor ActiveColor() const { return m_activeColor; }
    void setActiveColor(platform::TColor color);
    platform::TColor ActiveColorTo() const { return m_activeColorTo; }
    void setActiveColorTo(platform::TColor color);
    platform::TColor TabBorderColor() const { return m_tabBorderColor; }
    void setTabBorderColor(platform::TColor color);
    platform::TColor TabSheetBorderColor() const { return m_tabSheetBorderColor; }
    void setTabSheetBorderColor(platform::TColor color);
    platform::TColor TabBackGroundColor() const { return m_tabBackGroundColor; }
    void setTabBackGroundColor(platform::TColor color);
    platform::TColor TabHoverColor() const { return m_tabHoverColor; }
    void setTabHoverColor(platform::TColor color) { m_tabHoverColor = color; }
    platform::TColor TabHoverColorTo() const { return m_tabHoverColorTo; }
    void setTabHoverColorTo(platform::TColor color) { m_tabHoverColorTo = color; }
    platform::TColor TabHoverBorder() const { return m_tabHoverBorder; }
    void setTabHoverBorder(platform::TColor color) { m_tabHoverBorder = color; }
    bool TabSheet3D() const { return m_tabSheet3D; }
    void setTabSheet3D(bool value);
    // Refused with tsDotNet: that style needs the line joining tab and sheet.
    bool TabSplitLine() const { return m_tabSplitLine; }
    void setTabSplitLine(bool value);
    bool RoundEdges() const { return m_roundEdges; }
    void setRoundEdges(bool value);
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool value) { m_showFocus = value; }
    bool FreeOnClose() const { return m_freeOnClose; }
    void setFreeOnClose(bool value) { m_freeOnClose = value; }
    // Caption font of the active tab (and of every tab at the bottom).
    const TLbFont &ActiveFont() const { return m_activeFont; }
    void setActiveFont(const TLbFont &font);
    void setFont(const QFont &font);
    platform::TImageList *Images() const { return m_images; }
    void setImages(platform::TImageList *images);

    // Asked before the user moves to another page: (from, to, allow).
    std::function<void(TExPageControl *, int fromPage, int toPage, bool &allowChange)> OnCanChange;
    // Raised when the user selects another page (not when code writes it).
    platform::TNotifyEvent OnChange;

    // Geometry, in the control's coordinates.
    QRect GetPageTabRect(int pageIndex) const;
    int PageIndexAt(QPoint point) const;
    QRect sheetRect() const;
    bool IsOnCloseButton(int pageIndex, QPoint point) const;
    // The text a tab is sized by (the platform's tab text).
    QString tabText(int tabIndex) const;
    int tabCount() const { return static_cast<int>(m_tabs.size()); }
    int TabIndex() const { return m_tabIndex; }
    int hoverTab() const { return m_hoverTab; }

    // The whole tab area as it is painted now, into an image of the
    // control's size (the shown sheet not included).
    QImage paintTabs() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    friend class TExTabSheet;
    friend class TabPainter;

    struct Tab {
        QString text;
        TExTabSheet *sheet;
    };

    void ChangeActivePage(TExTabSheet *page);
    void ActivateTabPage();
    void Change();
    bool CanChange(int targetPage);
    bool selectTab(int tabIndex);
    void InsertPage(TExTabSheet *page);
    void RemovePage(TExTabSheet *page);
    void InsertTab(TExTabSheet *page);
    void DeleteTab(TExTabSheet *page, int tabIndex);
    void MoveTab(int from, int to);
    void UpdateTab(TExTabSheet *page);
    void UpdateTabWidth(TExTabSheet *page);
    void forgetClosed(TExTabSheet *page);
    void closeActiveTab();
    void relayout();
    void placeSheets();
    const std::vector<QRect> &tabRects() const;
    int tabThickness() const;

    std::vector<TExTabSheet *> m_pages;
    TExTabSheet *m_activePage = nullptr;
    std::vector<Tab> m_tabs;
    int m_tabIndex = -1;
    mutable std::vector<QRect> m_tabRects;
    mutable bool m_layoutValid = false;
    std::vector<std::pair<QString, TExTabSheet *>> m_closedTabs;

    TTabPosition m_tabPosition = TTabPosition::tpTop;
    TTabStyle m_tabStyle = TTabStyle::tsClassic;
    bool m_multiLine = false;
    bool m_raggedRight = false;
    int m_tabHeight = 0;
    int m_tabWidth = 0;
    TTabMargin m_tabMargin;
    int m_tabOverlap = 0;
    int m_lowerActive = 2;
    platform::TColor m_color = platform::clBtnFace;
    platform::TColor m_defaultTextColor = platform::clBlack;
    platform::TColor m_defaultTabColor = platform::clBtnFace;
    platform::TColor m_defaultTabColorTo = platform::clNone;
    platform::TColor m_activeColor = platform::clBtnFace;
    platform::TColor m_activeColorTo = platform::clNone;
    platform::TColor m_tabBorderColor = platform::clGray;
    platform::TColor m_tabSheetBorderColor = platform::clGray;
    platform::TColor m_tabBackGroundColor = platform::clBtnFace;
    platform::TColor m_tabHoverColor = platform::clNone;
    platform::TColor m_tabHoverColorTo = platform::clNone;
    platform::TColor m_tabHoverBorder = platform::clNone;
    bool m_tabSheet3D = false;
    bool m_tabSplitLine = false;
    bool m_roundEdges = false;
    bool m_showFocus = false;
    bool m_freeOnClose = false;
    TLbFont m_activeFont;
    platform::TImageList *m_images = nullptr;
    int m_hoverTab = -1;
    bool m_hoverCloseButton = false;
    bool m_closePressed = false;
};

} // namespace controls
