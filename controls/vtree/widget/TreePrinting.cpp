// Printing: the whole tree rendered on white into one picture, the header
// on top when asked, cut into pages scaled by the printer's font size
// against the screen's.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreePrinting.h"
#include "platform/ScopeGuard.h"

#include <cmath>

namespace vtree {

void TLazyStringTreeWidget::Print(TTreePrinter *Printer) { Print(Printer, true); }

void TLazyStringTreeWidget::Print(TTreePrinter *Printer, bool PrintHeader)
{
    if (!Printer)
        return;
    BeginUpdate();
    struct EndUpdateAtExit {
        TLazyStringTreeWidget &tree;
        ~EndUpdateAtExit() { tree.EndUpdate(); }
    } endUpdate{*this};

    const platform::TRect treeRect = GetTreeRect();
    const int headerHeight = PrintHeader ? HeaderHeight() : 0;
    QImage picture(std::max(treeRect.Width(), 1), std::max(treeRect.Height() + headerHeight, 1),
                   QImage::Format_ARGB32_Premultiplied);
    {
        // Printed on white, whatever the tree's colour on screen.
        const TColor formerColor = Color();
        setColorSilently(platform::clWhite);
        const platform::Finally restore([this, formerColor] { setColorSilently(formerColor); });
        platform::TCanvas canvas(&picture);
        if (headerHeight > 0) {
            // The header unscrolled over the whole width, as the rows below it.
            canvas.SaveDC();
            paintHeaderColumns(canvas, picture.width(), 0);
            canvas.RestoreDC(-1);
        }
        PaintTree(canvas, QRect(0, 0, picture.width(), treeRect.Height()), {0, headerHeight},
                  TLTInternalPaintOption::poGridLines);
    }

    Printer->BeginDoc();
    platform::TCanvas &page = Printer->Canvas();
    page.Font().Assign(TreeFont());
    const double printerHeight = page.TextHeight(QStringLiteral("Tj"));
    const double screenHeight = FIdleCanvas.TextHeight(QStringLiteral("Tj"));
    const double scale = screenHeight > 0 && printerHeight > 0 ? printerHeight / screenHeight : 1.0;
    const QSize device = Printer->PageSize();
    const int pageWidth = std::max(int(std::lround(device.width() / scale)), 1);
    const int pageHeight = std::max(int(std::lround(device.height() / scale)), 1);
    const int across = PagesToCover(picture.width(), pageWidth);
    const int down = PagesToCover(picture.height(), pageHeight);
    for (int row = 0; row < down; ++row)
        for (int column = 0; column < across; ++column) {
            if (row > 0 || column > 0)
                Printer->NewPage();
            QImage piece(pageWidth, pageHeight, QImage::Format_ARGB32_Premultiplied);
            piece.fill(Qt::white);
            {
                platform::TCanvas pieceCanvas(&piece);
                pieceCanvas.DrawImage(-column * pageWidth, -row * pageHeight, picture);
            }
            Printer->Canvas().StretchImage({0, 0, device.width(), device.height() - 1}, piece);
        }
    Printer->EndDoc();
}

} // namespace vtree
