#pragma once
// A window that shows one printed page of a string grid at a time, as the
// grid's print preview draws it on an A4 page: PageDown and PageUp (or the
// arrow keys) turn the pages, P prints the grid into a PDF file.
#include "controls/grid/model/ExGrid.h"

#include <QImage>
#include <QWidget>

class PrintPreviewWindow : public QWidget {
public:
    PrintPreviewWindow(controls::TExStringGrid &grid, QString pdfFile);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void render();
    void printToPdf();

    controls::TExStringGrid &m_grid;
    QString m_pdfFile;
    QImage m_page;
    int m_pageNumber = 1;
    int m_pageCount = 0;
};
