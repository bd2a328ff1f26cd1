#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeTexts.h"

namespace vtree {

void TBaseLazyTree::TreeTextsDeleter::operator()(TTreeTexts *Texts) const { delete Texts; }

std::unique_ptr<TTreeTexts, TBaseLazyTree::TreeTextsDeleter> TBaseLazyTree::newTexts()
{
    return std::unique_ptr<TTreeTexts, TreeTextsDeleter>(new TTreeTexts);
}

const QString &TBaseLazyTree::SearchBuffer() const { return FTexts->SearchBuffer; }

void TBaseLazyTree::setSearchBuffer(const QString &Text) { FTexts->SearchBuffer = Text; }

const QString &TBaseLazyTree::TreeHint() const { return FTexts->Hint; }

void TBaseLazyTree::setTreeHint(const QString &Hint) { FTexts->Hint = Hint; }

} // namespace vtree
