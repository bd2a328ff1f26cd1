#pragma once
// The texts the tree keeps: what the incremental search has gathered so far
// and the tree's own hint. Only TreeTexts.cpp sees them; everything else
// reads and stores them through the tree's accessors.
#include <QString>

namespace vtree {

struct TTreeTexts {
    QString SearchBuffer;
    QString Hint;
};

} // namespace vtree
