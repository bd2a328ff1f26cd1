#pragma once
// The page control with its sheets, tabs on the left with rotated captions.
// A plain stand-in over Qt that keeps the interface the windows use
// (ActivePage, sheet captions), so that the owner-painted control can take
// its place without touching any window.
#include "platform/NotifyEvent.h"

#include <QString>
#include <QWidget>
#include <vector>

class QTabWidget;

namespace controls {

class TExTabSheet;

class TExPageControl : public QWidget {
    Q_OBJECT
public:
    explicit TExPageControl(QWidget *parent = nullptr);
    ~TExPageControl() override;

    // The sheet shown, or none.
    TExTabSheet *ActivePage() const;
    // A sheet of another page control, or one whose tab is disabled, is
    // ignored. Otherwise the sheet is shown, the previous one
    // hidden, its tab selected, and the focus follows into the new sheet
    // when it was inside the previous one. None shows no sheet.
    void setActivePage(TExTabSheet *sheet);

    int PageCount() const { return static_cast<int>(m_sheets.size()); }
    TExTabSheet *Pages(int index) const;
    int ActivePageIndex() const;
    void setActivePageIndex(int index);

    // Raised when the user selects another tab (not when ActivePage is
    // written by code).
    platform::TNotifyEvent OnChange;

private:
    friend class TExTabSheet;
    void insertSheet(TExTabSheet *sheet);
    void removeSheet(TExTabSheet *sheet);
    void updateTab(TExTabSheet *sheet);
    int tabIndexOf(const TExTabSheet *sheet) const;

    QTabWidget *m_tabs;
    std::vector<TExTabSheet *> m_sheets;
    bool m_settingByCode = false;
};

class TExTabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TExTabSheet(TExPageControl *pageControl = nullptr);
    ~TExTabSheet() override;

    TExPageControl *PageControl() const { return m_pageControl; }
    // Moves the sheet to another page control (or none), as the last page.
    void setPageControl(TExPageControl *pageControl);

    // The text of the sheet's tab; writing lays the tabs out again.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // A hidden tab leaves the sheet out of the tab row.
    bool TabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);

    // A disabled tab cannot be selected, neither by the user nor by code.
    bool TabEnabled() const { return m_tabEnabled; }
    void setTabEnabled(bool enabled);

    // Position among the sheets of its page control, -1 without one.
    int PageIndex() const;

private:
    friend class TExPageControl;
    TExPageControl *m_pageControl = nullptr;
    QString m_caption;
    bool m_tabVisible = true;
    bool m_tabEnabled = true;
};

} // namespace controls
