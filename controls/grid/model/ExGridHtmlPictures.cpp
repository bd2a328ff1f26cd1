// The pictures of cells in an HTML export, as JPEG files beside the page.
#include "controls/grid/model/HtmlPictures.h"
#include "controls/grid/model/CellGraphic.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridCellPainter.h"
#include "controls/grid/model/core/GridError.h"
#include "platform/AtomicFile.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/ImageList.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace controls {

namespace {

const platform::TImageList *imagesOf(const TExStringGrid &grid)
{
    return static_cast<const platform::TImageList *>(grid.GridImages());
}

QImage listImage(const platform::TImageList *images, int index)
{
    if (!images || index < 0 || index >= images->Count())
        return {};
    return images->imageAt(index);
}

// JPEG has no transparency: what is transparent shows white.
QByteArray jpegOf(const QImage &picture)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    if (!writer.write(flat))
        return {};
    return bytes;
}

// What an application's painter draws in a cell of its own size.
QImage painted(TExStringGrid &grid, const TCellGraphic &graphic, int ACol, int ARow)
{
    auto *painter = dynamic_cast<IGridCellPainter *>(static_cast<TInterfacedPersistent *>(graphic.CellBitmap()));
    if (!painter || painter->GetWidth() <= 0 || painter->GetHeight() <= 0)
        return {};
    platform::TBitmap bitmap(painter->GetWidth(), painter->GetHeight());
    painter->Draw(bitmap.Canvas(), platform::Rect(0, 0, bitmap.Width(), bitmap.Height()), ACol, ARow, false, &grid);
    return bitmap.image();
}

} // namespace

QString THtmlPictures::tagOf(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const QString folder = m_dir + QStringLiteral("images");
    if (!m_folderMade) {
        if (!QDir().mkpath(folder))
            throw platform::Error(QStringLiteral("Cannot create ") + folder);
        m_folderMade = true;
    }
    const QString file = folder + QStringLiteral("/img%1.jpg").arg(m_count++);
    const QByteArray bytes = jpegOf(picture);
    if (bytes.isEmpty() || !platform::writeFileAtomically(file, bytes))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + file);
    return QStringLiteral("<img src= \"file://") + file + QStringLiteral("\">");
}

QString THtmlPictures::cellContent(TExStringGrid &grid, int ACol, int ARow, const QString &text,
                                   const QString &saveText)
{
    const TCellGraphic *graphic = grid.GetCellGraphic(ACol, ARow);
    if (!graphic)
        return text;
    const platform::TImageList *images = imagesOf(grid);
    switch (graphic->FCellType) {
    case ctBitmap:
        if (const auto *bitmap = static_cast<const QImage *>(graphic->CellBitmap()))
            return text + tagOf(*bitmap);
        return text;
    case ctImageList: {
        const QImage image = listImage(images, graphic->FCellIndex);
        return image.isNull() ? text : tagOf(image) + text;
    }
    case ctDataImage: {
        bool ok = false;
        const int index = saveText.trimmed().toInt(&ok);
        const QImage image = ok ? listImage(images, index) : QImage();
        return image.isNull() ? text : tagOf(image);
    }
    case ctNode:
        return u'+' + text;
    case ctImages: {
        if (!images)
            return text;
        QString tags;
        if (const auto *list = static_cast<const TIntList *>(graphic->CellBitmap()))
            for (int i = 0; i < list->Count(); ++i)
                tags += tagOf(listImage(images, list->Items(i)));
        return tags + text;
    }
    case ctPicture:
        if (const auto *picture = static_cast<const QImage *>(graphic->CellBitmap()))
            return text + tagOf(*picture);
        return text;
    case ctInterface:
        return text + tagOf(painted(grid, *graphic, ACol, ARow));
    default:
        return text;
    }
}

} // namespace controls
