#include "controls/grid/model/CellGraphic.h"

#include "controls/grid/base/paint/FilePicture.h"
#include "controls/grid/model/core/PictureSize.h"

#include <QImage>

namespace controls {

TCellGraphic::~TCellGraphic() = default;

void TCellGraphic::Assign(const TCellGraphic &source)
{
    FCellType = source.FCellType;
    FCellVAlign = source.FCellVAlign;
    FCellHAlign = source.FCellHAlign;
    FCellIndex = source.FCellIndex;
    FCellTransparent = source.FCellTransparent;
    FCellCreated = source.FCellCreated;
    FCellBoolean = source.FCellBoolean;
    FCellCheckBoxState = source.FCellCheckBoxState;
    FCellAngle = source.FCellAngle;
    FCellValue = source.FCellValue;
    FCellErrFrom = source.FCellErrFrom;
    FCellErrLen = source.FCellErrLen;
    FCellText = source.FCellText;
}

void TCellGraphic::place(TCellType type, TCellHAlign hal, TCellVAlign val)
{
    FCellType = type;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetBitmap(void *bmp, bool transparent, TCellHAlign hal, TCellVAlign val)
{
    place(ctBitmap, hal, val);
    FCellBitmap = bmp;
    FCellTransparent = transparent;
}

void TCellGraphic::SetIcon(void *icon, TCellHAlign hal, TCellVAlign val)
{
    place(ctIcon, hal, val);
    FCellIcon = icon;
}

void TCellGraphic::SetPicture(void *picture, bool transparent, TStretchMode mode, int padding, TCellHAlign hal,
                              TCellVAlign val)
{
    place(ctPicture, hal, val);
    FCellBitmap = picture;
    FCellTransparent = transparent;
    FCellAngle = mode;
    FCellIndex = padding;
}

void TCellGraphic::SetFilePicture(void *picture, bool transparent, TStretchMode mode, int padding, TCellHAlign hal,
                                  TCellVAlign val)
{
    SetPicture(picture, transparent, mode, padding, hal, val);
    FCellType = ctFilePicture;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    place(ctImageList, hal, val);
    FCellIndex = idx;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    place(ctDataImage, hal, val);
    FCellIndex = idx;
}

TIntList *TCellGraphic::SetMultiImage(int col, int row, int dir, TCellHAlign hal, TCellVAlign val,
                                      TImageChangeEvent notifier)
{
    place(ctImages, hal, val);
    FCellBoolean = dir == 0;
    auto list = std::make_unique<TIntList>(col, row);
    list->OnChange = std::move(notifier);
    FCellBitmap = adopt(std::move(list));
    FCellCreated = true;
    return static_cast<TIntList *>(FCellBitmap);
}

void TCellGraphic::SetCheckBox(bool value, bool data, bool flat, TCellHAlign hal, TCellVAlign val)
{
    place(data ? ctDataCheckBox : ctCheckBox, hal, val);
    FCellAngle = 0;
    FCellBoolean = value;
    FCellTransparent = flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState value, bool flat, TCellHAlign hal, TCellVAlign val)
{
    place(ctTriStateCheckBox, hal, val);
    FCellCheckBoxState = value;
    FCellBoolean = false;
    FCellTransparent = flat;
}

void TCellGraphic::SetRadioButton(bool value, bool flat, TCellHAlign hal, TCellVAlign val)
{
    place(ctRadioButton, hal, val);
    FCellAngle = 0;
    FCellBoolean = value;
    FCellTransparent = flat;
}

void TCellGraphic::SetButton(int bw, int bh, const QString &caption, TCellHAlign hal, TCellVAlign val)
{
    place(ctButton, hal, val);
    FCellIndex = int((std::uint32_t(bh) << 16) | (std::uint32_t(bw) & 0xFFFF));
    FCellBoolean = false;
    FCellText = caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString &caption, void *glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    FCellType = ctBitButton;
    FCellBitmap = glyph;
}

void TCellGraphic::SetInterfacedCell(void *object)
{
    FCellType = ctInterface;
    FCellBitmap = object;
}

QSize TCellGraphic::GetPictureSize(int cw, int rh, bool hastext) const
{
    int width = 0;
    int height = 0;
    if (FCellType == ctPicture && FCellBitmap) {
        const auto *picture = static_cast<const QImage *>(FCellBitmap);
        width = picture->width();
        height = picture->height();
    } else if (FCellType == ctFilePicture && FCellBitmap) {
        const auto *picture = static_cast<const TFilePicture *>(FCellBitmap);
        width = picture->Width();
        height = picture->Height();
    } else {
        return {};
    }
    const TPictureFit fit = FCellAngle >= 0 && FCellAngle <= ShrinkWithAspectRatio ? static_cast<TPictureFit>(FCellAngle)
                                                                                    : TPictureFit::NoStretch;
    const TPictureSize size = pictureDrawSize(width, height, cw, rh, FCellIndex, fit);
    return {size.width, size.height};
}

void TCellGraphic::SetAngle(int angle)
{
    FCellType = ctRotated;
    // One step of the remainder instead of a loop: an angle of a million
    // degrees costs nothing.
    if (angle < 0)
        angle = 360 - (-angle % 360 == 0 ? 360 : -angle % 360);
    else if (angle > 360)
        angle = angle % 360 == 0 ? 360 : angle % 360;
    FCellAngle = angle;
}

} // namespace controls
