// The filter buttons of a header row: a release on one opens the column's
// list of filter entries inside the grid, a plain list that applies one
// choice and closes, or a check list that applies every ticked entry and
// stays open; either hides when it loses the focus.
#include "controls/grid/view/HeaderClickState.h"

#include "controls/grid/base/paint/BitmapDrawing.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QListWidget>

namespace controls {

namespace {

// Hidden as soon as the focus goes elsewhere, as a drop-down is.
class TFilterDropList : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> onFocusLost;

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        QListWidget::focusOutEvent(event);
        hide();
        if (onFocusLost)
            onFocusLost();
    }
};

QString friendlyName(const QString &entry)
{
    const qsizetype eq = entry.indexOf(u'=');
    return eq < 0 ? entry : entry.left(eq);
}

QString conditionOf(const QString &entry)
{
    const qsizetype eq = entry.indexOf(u'=');
    return eq < 0 ? entry : entry.mid(eq + 1);
}

} // namespace

int TExStringGrid::FilterDropDownRow() const { return headerClick().filterRow; }

void TExStringGrid::setFilterDropDownRow(int Value)
{
    if (Value < 0 || Value >= FixedRows())
        return;
    headerClick().filterRow = Value;
    InvalidateGrid();
}

TFilterDropDown &TExStringGrid::FilterDropDown() { return headerClick().dropDown; }

int TExStringGrid::FilterDropDownColumn() const { return headerClick().filterCol; }

void TExStringGrid::forgetFilterColumn() { headerClick().filterCol = -1; }

QWidget *TExStringGrid::FilterDropDownList() const
{
    const TGridHeaderClick &h = headerClick();
    if (h.dropCheckList && h.dropCheckList->isVisible())
        return h.dropCheckList;
    if (h.dropList && h.dropList->isVisible())
        return h.dropList;
    return nullptr;
}

void TExStringGrid::DoFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

void TExStringGrid::DoFilterSelect(int ItemIndex)
{
    TGridHeaderClick &h = headerClick();
    const int col = h.filterCol;
    h.filterCol = -1;
    setFocus(Qt::OtherFocusReason);
    if (col < 0 || col >= AllColCount() || ItemIndex < 0)
        return;
    DoGetColumnFilter(col);
    if (ItemIndex >= FilterList().size())
        return;
    const QString entry = FilterList().at(ItemIndex);
    const QString friendly = friendlyName(entry);
    QString condition = conditionOf(entry);
    if (AutoFilterUpdate)
        setFilterActive(false);
    if (condition == FilterDropDownClear)
        condition.clear();
    if (OnFilterSelect)
        OnFilterSelect(this, col, ItemIndex, friendly, condition);
    std::vector<TFilterData> &filter = Filter();
    const auto item =
        std::find_if(filter.begin(), filter.end(), [col](const TFilterData &f) { return f.Column == col; });
    if (condition.isEmpty()) {
        std::erase_if(filter, [col](const TFilterData &f) { return f.Column == col; });
    } else if (item != filter.end()) {
        item->Condition = condition;
    } else {
        TFilterData data;
        data.Column = col;
        data.Condition = condition;
        filter.push_back(data);
    }
    if (AutoFilterUpdate) {
        FFixedRowAlways = true;
        setFilterActive(true);
        if (RowCount() != FixedRows() && !(RowCount() == 1 && FFixedRowAlways))
            setRow(FixedRows());
        DoFilterDone();
    }
}

void TExStringGrid::DoFilterCheck(int ItemIndex)
{
    TGridHeaderClick &h = headerClick();
    const int col = h.filterCol;
    if (col < 0 || col >= AllColCount() || !h.dropCheckList)
        return;
    DoGetColumnFilter(col);
    if (AutoFilterUpdate)
        setFilterActive(false);
    std::vector<TFilterData> &filter = Filter();
    filter.clear();
    const QListWidget &list = *h.dropCheckList;
    for (int p = 0; p < list.count() && p < FilterList().size(); ++p) {
        if (list.item(p)->checkState() != Qt::Checked)
            continue;
        const QString entry = FilterList().at(p);
        QString condition = conditionOf(entry);
        if (condition == FilterDropDownClear)
            condition.clear();
        if (OnFilterCheck)
            OnFilterCheck(this, col, p, friendlyName(entry), condition, h.dropCheckList);
        TFilterData data;
        data.Column = col;
        data.Condition = condition;
        data.Operation = filter.empty() ? foNONE : foOR;
        filter.push_back(data);
    }
    setFilterActive(true);
    h.dropCheckList->viewport()->update();
}

void TExStringGrid::closeFilterDropDown()
{
    TGridHeaderClick &h = headerClick();
    if (h.dropList && h.dropList->isVisible())
        h.dropList->hide();
    h.filterCol = -1;
}

void TExStringGrid::filterDropDownMouseUp(int X, int Y)
{
    TGridHeaderClick &h = headerClick();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0 || ARow != h.filterRow || FixedRows() == 0) {
        closeFilterDropDown();
        return;
    }
    const int realCol = RealColIndex(ACol);
    const platform::TRect R = CellRect(ACol, ARow);
    if (realCol == h.filterCol || X <= R.Right - 16 || X >= R.Right - 3 || Y >= R.Top + 19
        || !DoGetColumnFilter(realCol)) {
        closeFilterDropDown();
        return;
    }
    h.filterCol = realCol;
    const bool check = FilterDropDownCheck;
    QPointer<QListWidget> &slot = check ? h.dropCheckList : h.dropList;
    if (!slot) {
        auto *list = new TFilterDropList(this);
        list->onFocusLost = [this] {
            // A press on the grid closes the list through the release.
            if (QApplication::focusWidget() != this)
                headerClick().filterCol = -1;
        };
        if (check) {
            QObject::connect(list, &QListWidget::itemChanged, this,
                             [this, list](QListWidgetItem *item) { DoFilterCheck(list->row(item)); });
        } else {
            const auto choose = [this, list](QListWidgetItem *item) {
                const int index = list->row(item);
                list->hide();
                DoFilterSelect(index);
            };
            QObject::connect(list, &QListWidget::itemClicked, this, choose);
            QObject::connect(list, &QListWidget::itemActivated, this, choose);
        }
        slot = list;
    }
    QListWidget &list = *slot;
    const TFilterDropDown &look = h.dropDown;
    list.setFont(look.Font.qfont());
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, platform::toQColor(look.Color));
    palette.setColor(QPalette::Text, platform::toQColor(look.Font.Color()));
    list.setPalette(palette);
    const QSignalBlocker quiet(&list);
    list.clear();

    // The column's conditions, as the entries' names compare with them.
    QStringList conditions;
    for (const TFilterData &f : Filter())
        if (f.Column == realCol)
            conditions << f.Condition;
    const QFontMetrics metrics(list.font());
    int widest = 0;
    for (const QString &entry : FilterList()) {
        QString name = friendlyName(entry);
        auto *item = new QListWidgetItem(name, &list);
        if (check) {
            const QString compared = name.contains(u' ') ? u'"' + name + u'"' : name;
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(conditions.contains(compared) ? Qt::Checked : Qt::Unchecked);
            name = compared;
        }
        widest = std::max(widest, metrics.horizontalAdvance(name) + 8);
    }
    if (!check && list.count() > 0)
        list.setCurrentRow(0);

    constexpr int edge = 2;
    int w = look.Width;
    int hgt = look.Height;
    if (look.AutoSize) {
        const int itemHeight = list.count() > 0 ? list.sizeHintForRow(0) : metrics.height();
        hgt = list.count() * itemHeight + 2 * edge;
        w = 2 * edge + widest + (check ? 20 : 0); // the tick boxes take room of their own
    }
    int left = R.Right - 16;
    if (look.ColumnWidth) {
        left = R.Left;
        w = R.Right - R.Left;
    }
    if (left + w > ClientWidth())
        left = std::max(0, CellRect(ACol, 0).Right - w);
    list.setGeometry(left, R.Top + 16, w, hgt);
    list.show();
    list.raise();
    list.setFocus(Qt::PopupFocusReason);
}

// The button of a filter-row cell: the owner's glyph (its active one while
// the column is filtered) or our funnel. The rectangle loses its 16 pixels.
void TExStringGrid::renderFilterButton(platform::TCanvas &ACanvas, int RealCol, platform::TRect &ARect)
{
    const TFilterDropDown &look = headerClick().dropDown;
    bool active = false;
    if (FilterActive())
        for (const TFilterData &f : Filter())
            active = active || f.Column == RealCol;
    const platform::TBitmap &glyph = active && !look.GlyphActive.Empty() ? look.GlyphActive : look.Glyph;
    const platform::TRect button = platform::Rect(ARect.Right - 16, ARect.Top, ARect.Right, ARect.Top + 16);
    if (!glyph.Empty())
        DrawBitmapTransparent(ACanvas, glyph, platform::clNone, button);
    else
        DrawResourceBitmap(ACanvas, FixedColor(), button, QStringLiteral("ESGFILT"));
    ARect.Right -= 16;
}

} // namespace controls
