#include "controls/vtree/widget/TreeDropData.h"

namespace vtree {

TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate)
{
    TBaseLazyTree *tree = Candidate ? treeFromReference(Reference) : nullptr;
    return tree == Candidate ? tree : nullptr;
}

} // namespace vtree
