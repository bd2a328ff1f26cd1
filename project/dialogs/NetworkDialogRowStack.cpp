#include "project/dialogs/NetworkDialogRowStack.h"

namespace project {

RowStack::RowStack(QWidget *page, int top, int width) : m_page(page), m_top(top), m_width(width) {}

QWidget *RowStack::addRow(int rowsHigh)
{
    auto *row = new QWidget(m_page);
    row->resize(m_width, rowsHigh * Pitch);
    addBlock(row, rowsHigh);
    return row;
}

void RowStack::addBlock(QWidget *block, int rowsHigh)
{
    m_rows.push_back({block, rowsHigh, true});
}

void RowStack::setShown(QWidget *row, bool shown)
{
    for (Row &r : m_rows)
        if (r.widget == row)
            r.shown = shown;
}

const RowStack::Row *RowStack::find(const QWidget *row) const
{
    for (const Row &r : m_rows)
        if (r.widget == row)
            return &r;
    return nullptr;
}

bool RowStack::isShown(const QWidget *row) const
{
    const Row *r = find(row);
    return r != nullptr && r->shown;
}

void RowStack::layOut()
{
    int y = m_top;
    for (const Row &r : m_rows) {
        r.widget->setVisible(r.shown);
        if (!r.shown)
            continue;
        r.widget->move(r.widget->x(), y);
        y += r.rowsHigh * Pitch;
    }
}

int RowStack::topOf(const QWidget *row) const
{
    int y = m_top;
    for (const Row &r : m_rows) {
        if (!r.shown)
            continue;
        if (r.widget == row)
            return y;
        y += r.rowsHigh * Pitch;
    }
    return -1;
}

} // namespace project
