#include "controls/vtree/widget/SharedImages.h"

#include "platform/draw/Bitmap.h"
#include "platform/draw/Resources.h"

#include <array>
#include <memory>

namespace vtree {

namespace {

std::unique_ptr<platform::TImageList> listFromResource(const char *name)
{
    auto list = std::make_unique<platform::TImageList>(16, 16);
    const QImage strip = platform::loadResourceImage(QString::fromLatin1(name), platform::TResourceColors::Mapped);
    // The pictures stand on magenta, which is transparent.
    if (!strip.isNull())
        list->AddMasked(platform::TBitmap(strip), platform::clFuchsia);
    return list;
}

} // namespace

platform::TImageList *CheckImagesOfKind(TCheckImageKind Kind)
{
    // Without a theme engine the system looks are the flat and the XP sets.
    static const std::array<std::unique_ptr<platform::TImageList>, 6> lists{
        listFromResource("LT_CHECK_LIGHT"), listFromResource("LT_CHECK_DARK"), listFromResource("LT_TICK_LIGHT"),
        listFromResource("LT_TICK_DARK"),   listFromResource("LT_FLAT"),       listFromResource("LT_XP")};
    switch (Kind) {
    case TCheckImageKind::ckLightCheck:
        return lists[0].get();
    case TCheckImageKind::ckDarkCheck:
        return lists[1].get();
    case TCheckImageKind::ckLightTick:
        return lists[2].get();
    case TCheckImageKind::ckDarkTick:
        return lists[3].get();
    case TCheckImageKind::ckFlat:
    case TCheckImageKind::ckSystemFlat:
        return lists[4].get();
    case TCheckImageKind::ckXP:
    case TCheckImageKind::ckSystemDefault:
        return lists[5].get();
    case TCheckImageKind::ckCustom:
        return nullptr;
    }
    return nullptr;
}

platform::TImageList &UtilityImages()
{
    static const std::unique_ptr<platform::TImageList> list = listFromResource("LT_UTILITIES");
    return *list;
}

const QCursor &HeaderSplitCursor()
{
    static const QCursor cursor = platform::loadResourceCursor(QStringLiteral("LT_HEADERSPLIT"));
    return cursor;
}

const QCursor &VertSplitCursor()
{
    static const QCursor cursor = platform::loadResourceCursor(QStringLiteral("LT_VERTSPLIT"));
    return cursor;
}

} // namespace vtree
