#include "PrintPreviewWindow.h"

#include "platform/print/PagedDevicePrinter.h"

#include <QKeyEvent>
#include <QPdfWriter>

#include <cstdio>

namespace {

// A4 at 96 pixels per inch.
constexpr int PageWidth = 794;
constexpr int PageHeight = 1123;

} // namespace

PrintPreviewWindow::PrintPreviewWindow(controls::TExStringGrid &grid, QString pdfFile)
    : m_grid(grid), m_pdfFile(std::move(pdfFile)), m_page(PageWidth, PageHeight, QImage::Format_ARGB32_Premultiplied)
{
    setObjectName(QStringLiteral("printPreview"));
    resize(PageWidth / 2 + 20, PageHeight / 2 + 20);
    setFocusPolicy(Qt::StrongFocus);
    render();
}

void PrintPreviewWindow::render()
{
    m_page.fill(Qt::white);
    {
        platform::TCanvas canvas(&m_page);
        m_grid.setPreviewPage(m_pageNumber);
        m_grid.PrintPreview(canvas, {0, 0, PageWidth, PageHeight});
    }
    m_pageCount = m_grid.PrintPageCount();
    setWindowTitle(QStringLiteral("Print preview - page %1 of %2").arg(m_pageNumber).arg(m_pageCount));
    update();
}

void PrintPreviewWindow::printToPdf()
{
    QPdfWriter writer(m_pdfFile);
    writer.setResolution(300);
    platform::TPdfPrinter printer(writer, m_pdfFile);
    m_grid.Printer = &printer;
    m_grid.Print();
    m_grid.Printer = nullptr;
    std::printf("printed %d pages to %s\n", m_grid.PrintPageCount(), qPrintable(m_pdfFile));
    std::fflush(stdout);
    render();
}

void PrintPreviewWindow::paintEvent(QPaintEvent *)
{
    platform::TCanvas canvas(this);
    canvas.FillColor({0, 0, width(), height()}, platform::clGray);
    // The page scaled to the window, its proportions kept.
    const double scale = std::min(double(width() - 20) / PageWidth, double(height() - 20) / PageHeight);
    const int w = int(PageWidth * scale);
    const int h = int(PageHeight * scale);
    const int x = (width() - w) / 2;
    const int y = (height() - h) / 2;
    canvas.StretchImage({x, y, x + w, y + h}, m_page.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void PrintPreviewWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
        if (m_pageNumber < m_pageCount) {
            ++m_pageNumber;
            render();
        }
        break;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
        if (m_pageNumber > 1) {
            --m_pageNumber;
            render();
        }
        break;
    case Qt::Key_P:
        printToPdf();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
