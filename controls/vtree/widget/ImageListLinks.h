#pragma once
// The links through which the image lists the tree shows tell it of their
// changes and of their end.
#include "platform/draw/ImageList.h"

namespace vtree {

struct TImageListLinks {
    platform::TChangeLink Images;
    platform::TChangeLink StateImages;
    platform::TChangeLink CustomCheckImages;
};

} // namespace vtree
