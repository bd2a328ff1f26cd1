#pragma once
// A list of equally sized pictures that controls draw by index (cell images,
// tree and tab images, check boxes), each with its mask: normal, transparent,
// blended with a colour, greyed when disabled, or with an overlay on top.
#include "platform/draw/Bitmap.h"

#include <QPixmap>

#include <array>
#include <functional>
#include <vector>

namespace platform {

enum class TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class TImageType { itImage, itMask };

class TImageList;

// A control that shows a list's pictures registers one of these to hear when
// the pictures change and when the list goes away (so that it stops using it).
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink &) = delete;
    TChangeLink &operator=(const TChangeLink &) = delete;
    ~TChangeLink();

    TImageList *Sender() const { return m_sender; }
    std::function<void()> OnChange;
    std::function<void()> OnFree;

private:
    friend class TImageList;
    TImageList *m_sender = nullptr;
};

class TImageList {
public:
    TImageList() = default;
    TImageList(int width, int height) : m_width(width), m_height(height) {}
    // A copy has the pictures, not the listeners.
    TImageList(const TImageList &other) = default;
    TImageList &operator=(const TImageList &other) = default;
    ~TImageList();

    // A link hears of every change until it is unregistered or destroyed;
    // a link registered with another list leaves that one first.
    void RegisterChanges(TChangeLink &link);
    void UnRegisterChanges(TChangeLink &link);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A new size empties the list.
    void SetSize(int width, int height);
    int Count() const { return int(m_images.size()); }

    // Adds the picture, cut into pieces of the list's width from the left
    // (a narrower one becomes one image); the mask's white pixels are
    // transparent. Gives the index of the first image added, -1 for none.
    int Add(const TBitmap &image, const TBitmap *mask = nullptr);
    // The same with every pixel of the colour transparent.
    int AddMasked(const TBitmap &image, TColor maskColor);
    // Appends a picture scaled to the list's size; gives its index.
    int Add(const QPixmap &picture);
    void Delete(int index);
    void Clear();

    // The picture at index on the background colour, or a null pixmap for an
    // index outside the list.
    QPixmap GetBitmap(int index) const;
    // The picture at index into bitmap (sized to the list); false outside the list.
    bool GetBitmap(int index, TBitmap &bitmap) const;
    // The picture with its mask, transparent pixels fully transparent.
    QImage imageAt(int index) const;

    // Overlay slot 0..14 shows image index when a drawing asks for it.
    bool Overlay(int imageIndex, int overlay);

    // clNone: masked pixels stay untouched even without ILD_TRANSPARENT.
    TColor BkColor() const { return m_bkColor; }
    void setBkColor(TColor color) { m_bkColor = color; }
    // The colour of the blended looks; clNone and clDefault mean the highlight colour.
    TColor BlendColor() const { return m_blendColor; }
    void setBlendColor(TColor color) { m_blendColor = color; }
    TDrawingStyle DrawingStyle() const { return m_drawingStyle; }
    void setDrawingStyle(TDrawingStyle style) { m_drawingStyle = style; }
    TImageType ImageType() const { return m_imageType; }
    void setImageType(TImageType type) { m_imageType = type; }

    // Draws in the list's drawing style and image type; disabled images are
    // drawn grey. An index outside the list draws nothing.
    void Draw(TCanvas &canvas, int x, int y, int index, bool enabled = true) const;
    // Draws with ILD_ flags: ILD_TRANSPARENT, ILD_BLEND25, ILD_BLEND50,
    // ILD_MASK and an overlay number (INDEXTOOVERLAYMASK(1..15)).
    void DrawEx(TCanvas &canvas, int x, int y, int index, unsigned style, bool enabled = true) const;
    void DrawOverlay(TCanvas &canvas, int x, int y, int index, int overlay, bool enabled = true) const;

private:
    QImage rendered(int index, unsigned style, bool enabled) const;
    // Tells every link that the pictures changed.
    void changed();

    // Copying a list neither copies nor drops its listeners.
    struct Links {
        Links() = default;
        Links(const Links &) {}
        Links &operator=(const Links &) { return *this; }
        std::vector<TChangeLink *> items;
    };

    int m_width = 16;
    int m_height = 16;
    std::vector<QImage> m_images;
    std::array<int, 15> m_overlays{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    TColor m_bkColor = clNone;
    TColor m_blendColor = clNone;
    TDrawingStyle m_drawingStyle = TDrawingStyle::dsNormal;
    TImageType m_imageType = TImageType::itImage;
    Links m_links;
};

using TCustomImageList = TImageList;

} // namespace platform
