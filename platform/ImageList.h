#pragma once
// The image list lives with the drawing layer.
#include "platform/draw/ImageList.h"
