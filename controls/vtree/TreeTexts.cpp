#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeTexts.h"

namespace vtree {

void TCorePartDeleter::operator()(TTreeTexts *Part) const { delete Part; }

TCorePart<TTreeTexts> TBaseLazyTree::newTexts() { return TCorePart<TTreeTexts>(new TTreeTexts); }

const QString &TBaseLazyTree::SearchBuffer() const { return FTexts->SearchBuffer; }

void TBaseLazyTree::setSearchBuffer(const QString &Text) { FTexts->SearchBuffer = Text; }

const QString &TBaseLazyTree::TreeHint() const { return FTexts->Hint; }

void TBaseLazyTree::setTreeHint(const QString &Hint) { FTexts->Hint = Hint; }

} // namespace vtree
