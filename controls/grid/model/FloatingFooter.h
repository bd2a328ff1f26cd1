#pragma once
// The settings of the string grid's floating footer: a panel under the
// cells that shows the grid's last row as a row of column results
// (fsFixedLastRow), a preview of the current row, or the owner's painting.
// A column's calculation is kept in the properties of its cell in the
// last row.
#include "controls/grid/base/GridTypes.h"
#include "platform/Color.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace controls {

class TExStringGrid;

enum TFooterStyle : std::uint8_t { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

using TCalcFooterEvent = std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &Value)>;

class TFloatingFooter {
public:
    explicit TFloatingFooter(TExStringGrid *grid) : m_grid(grid) {}

    int Height() const { return m_height; }
    void setHeight(int value);
    bool Visible() const { return m_visible; }
    void setVisible(bool value);
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor value);
    TFooterStyle FooterStyle() const { return m_style; }
    void setFooterStyle(TFooterStyle value);
    // The column the preview styles show.
    int Column() const { return m_column; }
    void setColumn(int value);
    // Mini-HTML in which "<#n>" stands for the current row's text of column n.
    const QString &CustomTemplate() const { return m_template; }
    void setCustomTemplate(const QString &value);
    bool CalculateHiddenRows = true;
    bool EnableCalculation = true;
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool value);
    platform::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(platform::TColor value);
    TColumnCalcType ColumnCalc(int ACol) const;
    // Recalculates that column's footer.
    void setColumnCalc(int ACol, TColumnCalcType value);
    TCalcFooterEvent OnCalcFooter;

    void Invalidate();
    void Assign(const TFloatingFooter &source);
    // Visible with fsFixedLastRow: the grid's last row is the footer.
    bool ShowsLastRow() const { return m_visible && m_style == fsFixedLastRow; }

private:
    void applyToGrid();

    TExStringGrid *m_grid;
    int m_height = 0;
    bool m_visible = false;
    platform::TColor m_color = platform::clBtnFace;
    TFooterStyle m_style = fsFixedLastRow;
    int m_column = 0;
    QString m_template;
    bool m_showHint = false;
    platform::TColor m_borderColor = platform::clNone;
};

} // namespace controls
