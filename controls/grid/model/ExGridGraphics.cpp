// The graphic object of a cell: attaching and removing it, the kind query,
// and the Add, Create, Get and Remove family. A cell owns its object; the
// grid's shared row check box is never put into a cell, so removing a
// cell's object can never free it.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"

#include <QIcon>
#include <QImage>
#include <QStringList>

#include "controls/grid/base/paint/FilePicture.h"

namespace controls {

TCellGraphic *TExStringGrid::graphicOf(int ACol, int ARow) const
{
    return dynamic_cast<TCellGraphic *>(GetGraphicObjectEx(ACol, ARow));
}

TCellGraphic *TExStringGrid::GetCellGraphic(int ACol, int ARow)
{
    if (ACol == 0 && m_mouseActions.HotmailRowSelect()) {
        if (GetGraphicObjectEx(ACol, ARow) && !graphicOf(ACol, ARow))
            return nullptr;
        TCellGraphic &shared = *m_rowCheckGraphic;
        shared.FCellType = ctRowCheckBox;
        const auto &flags = m_selection->rowSelect;
        if (ARow == 0) {
            int selected = 0;
            for (int r = FixedRows(); r < RowCount(); ++r)
                selected += TGridSelection::flag(flags, r) ? 1 : 0;
            shared.FCellAngle = selected > 0 && selected < RowCount() - FixedRows() ? 1 : 0;
            shared.FCellBoolean = selected >= RowCount() - FixedRows();
        } else {
            shared.FCellAngle = 0;
            shared.FCellBoolean = TGridSelection::flag(flags, ARow);
        }
        return &shared;
    }
    return graphicOf(ACol, ARow);
}

TCellType TExStringGrid::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return ctEmpty;
    if (ACol == 0 && m_mouseActions.HotmailRowSelect())
        return ctRowCheckBox;
    const TCellGraphic *g = graphicOf(ACol, ARow);
    return g ? g->FCellType : ctEmpty;
}

bool TExStringGrid::CellTypeInSet(int ACol, int ARow, std::initializer_list<TCellType> kinds)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TGridCoord base = BaseCell(ACol, ARow);
    const TCellGraphic *g = GetCellGraphic(base.X, base.Y);
    return g && std::find(kinds.begin(), kinds.end(), g->FCellType) != kinds.end();
}

TCellGraphic *TExStringGrid::AttachNewCellGraphic(int ACol, int ARow)
{
    auto graphic = std::make_unique<TCellGraphic>();
    TCellGraphic *raw = graphic.get();
    // The cell frees its previous object, with any payload it owned.
    SetGraphicObjectEx(ACol, ARow, std::move(graphic));
    if (GetGraphicObjectEx(ACol, ARow) != raw)
        return nullptr; // outside the grid
    if (NumHiddenColumns() > 0 && DisplColIndex(ACol) != ACol)
        RepaintCell(DisplColIndex(ACol), ARow);
    return raw;
}

bool TExStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    if (!GetGraphicObjectEx(ACol, ARow))
        return false;
    (void)TakeGraphicObjectEx(ACol, ARow);
    RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

bool TExStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType kind)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    return g && g->FCellType == kind && RemoveCellGraphic(ACol, ARow);
}

// --- bitmaps, pictures, icons --------------------------------------------------------------------------

void TExStringGrid::AddBitmap(int ACol, int ARow, QImage *ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetBitmap(ABmp, Transparent, hal, val);
}

QImage *TExStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    QImage *bmp = g->adopt(std::make_unique<QImage>());
    g->SetBitmap(bmp, Transparent, hal, val);
    g->FCellCreated = true;
    return bmp;
}

QImage *TExStringGrid::GetBitmap(int ACol, int ARow)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    return g && g->FCellType == ctBitmap ? static_cast<QImage *>(g->CellBitmap()) : nullptr;
}

void TExStringGrid::AddPicture(int ACol, int ARow, QImage *APicture, bool Transparent, TStretchMode StretchMode,
                               int padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetPicture(APicture, Transparent, StretchMode, padding, hal, val);
}

QImage *TExStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int padding,
                                     TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    QImage *picture = g->adopt(std::make_unique<QImage>());
    g->SetPicture(picture, Transparent, StretchMode, padding, hal, val);
    g->FCellCreated = true;
    return picture;
}

QImage *TExStringGrid::GetPicture(int ACol, int ARow)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    return g && g->FCellType == ctPicture ? static_cast<QImage *>(g->CellBitmap()) : nullptr;
}

void TExStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture *AFilePicture, bool Transparent,
                                   TStretchMode StretchMode, int padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetFilePicture(AFilePicture, Transparent, StretchMode, padding, hal, val);
}

TFilePicture *TExStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                          int padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    TFilePicture *file = g->adopt(std::make_unique<TFilePicture>());
    g->SetFilePicture(file, Transparent, StretchMode, padding, hal, val);
    g->FCellCreated = true;
    return file;
}

TFilePicture *TExStringGrid::GetFilePicture(int ACol, int ARow)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    return g && g->FCellType == ctFilePicture ? static_cast<TFilePicture *>(g->CellBitmap()) : nullptr;
}

void TExStringGrid::AddIcon(int ACol, int ARow, QIcon *AIcon, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetIcon(AIcon, hal, val);
}

QIcon *TExStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    QIcon *icon = g->adopt(std::make_unique<QIcon>());
    g->SetIcon(icon, hal, val);
    g->FCellCreated = true;
    return icon;
}

// --- image lists ------------------------------------------------------------------------------------------

void TExStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!m_gridImages)
        return;
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetImageIdx(Aidx, hal, val);
}

bool TExStringGrid::GetImageIdx(int ACol, int ARow, int &idx)
{
    if (!m_gridImages || GetCellType(ACol, ARow) != ctImageList)
        return false;
    idx = graphicOf(ACol, ARow)->FCellIndex;
    return true;
}

void TExStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!m_gridImages)
        return;
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow)) {
        g->SetDataImage(Aidx, hal, val);
        if (GetCellEx(ACol, ARow).isEmpty())
            setInts(ACol, ARow, Aidx);
    }
}

bool TExStringGrid::HasDataImage(int ACol, int ARow)
{
    const TGridCoord base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctDataImage;
}

void TExStringGrid::RemoveDataImage(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    SetCellEx(ACol, ARow, QString());
}

void TExStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!m_gridImages)
        return;
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow))
        g->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TIntList *, int col, int row) { RepaintCell(DisplColIndex(col), row); });
}

TIntList *TExStringGrid::CellImages(int ACol, int ARow)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    return g && g->FCellType == ctImages ? static_cast<TIntList *>(g->CellBitmap()) : nullptr;
}

// --- rotated text ------------------------------------------------------------------------------------------

void TExStringGrid::AddRotated(int ACol, int ARow, int AAngle, const QString &s)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow)) {
        g->SetAngle(AAngle);
        SetCellEx(ACol, ARow, s);
    }
}

void TExStringGrid::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g)
        g = AttachNewCellGraphic(ACol, ARow);
    if (g)
        g->SetAngle(AAngle);
}

bool TExStringGrid::IsRotated(int ACol, int ARow, int &aAngle)
{
    if (GetCellType(ACol, ARow) != ctRotated)
        return false;
    aAngle = graphicOf(ACol, ARow)->FCellAngle;
    return true;
}

// --- radio groups ------------------------------------------------------------------------------------------

void TExStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, QStringList *sl)
{
    if (TCellGraphic *g = AttachNewCellGraphic(ACol, ARow)) {
        g->FCellType = ctRadio;
        g->setCellBitmap(sl);
        g->FCellAngle = sl ? static_cast<int>(sl->size()) : 0;
        g->FCellBoolean = DirRadio != 0;
        g->FCellIndex = IdxRadio;
    }
}

QStringList *TExStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    TCellGraphic *g = AttachNewCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    QStringList *list = g->adopt(std::make_unique<QStringList>());
    g->FCellType = ctRadio;
    g->setCellBitmap(list);
    g->FCellAngle = 0;
    g->FCellBoolean = DirRadio != 0;
    g->FCellIndex = IdxRadio;
    g->FCellCreated = true;
    return list;
}

QStringList *TExStringGrid::GetRadioStrings(int ACol, int ARow)
{
    const TGridCoord base = BaseCell(ACol, ARow);
    const TCellGraphic *g = graphicOf(base.X, base.Y);
    return g && g->FCellType == ctRadio ? static_cast<QStringList *>(g->CellBitmap()) : nullptr;
}

bool TExStringGrid::GetRadioIdx(int ACol, int ARow, int &IdxRadio)
{
    const TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g || g->FCellType != ctRadio)
        return false;
    IdxRadio = g->FCellIndex;
    return true;
}

bool TExStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic *g = graphicOf(ACol, ARow);
    if (!g || g->FCellType != ctRadio)
        return false;
    g->FCellIndex = IdxRadio;
    if (IdxRadio == -1)
        SetCellEx(ACol, ARow, QString());
    RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

} // namespace controls
