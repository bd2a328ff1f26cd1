#pragma once
// A lazy tree as the bytes SaveToStream writes, for comparing trees.
#include "controls/vtree/BaseLazyTree.h"

#include <QBuffer>
#include <QByteArray>

inline QByteArray savedTree(vtree::TBaseLazyTree &tree)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    tree.SaveToStream(buffer);
    return bytes;
}
