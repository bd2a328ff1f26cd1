#pragma once
// The rows of a page of the network dialog stand 24 pixels apart, one under
// the other; rows that a converter type or a layout leaves out close up. A
// row is a strip of the page's width holding its label and control at fixed
// places, or a taller block such as the wireless panel.
#include <QWidget>
#include <vector>

namespace project {

class RowStack {
public:
    static constexpr int Pitch = 24;

    RowStack(QWidget *page, int top, int width);

    // A new empty strip, rowsHigh rows tall, as the last row.
    QWidget *addRow(int rowsHigh = 1);
    // An existing block, as the last row.
    void addBlock(QWidget *block, int rowsHigh);

    void setShown(QWidget *row, bool shown);
    bool isShown(const QWidget *row) const;

    // Places the rows that are shown one under the other and hides the rest.
    void layOut();
    // Where the row stands after layOut (-1 when it is not shown).
    int topOf(const QWidget *row) const;

private:
    struct Row {
        QWidget *widget;
        int rowsHigh;
        bool shown;
    };
    const Row *find(const QWidget *row) const;

    QWidget *m_page;
    int m_top;
    int m_width;
    std::vector<Row> m_rows;
};

} // namespace project
