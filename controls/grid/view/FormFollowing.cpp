// SizeWithForm: the grid grows and shrinks by what its top-level window
// grows and shrinks, seen through an event filter on that window; and the
// column widths that proportional resizing starts from.
#include "controls/grid/view/GridHoverState.h"

namespace controls {

bool TExStringGrid::SizeWithForm() const { return hover().SizeWithForm; }

void TExStringGrid::setSizeWithForm(bool Value)
{
    hover().SizeWithForm = Value;
    followForm(Value);
}

void TExStringGrid::followForm(bool Value)
{
    TGridHover &h = hover();
    QWidget *form = window();
    if (h.Form && (h.Form != form || !Value))
        h.Form->removeEventFilter(this);
    if (!Value || form == this) {
        h.Form = nullptr;
        return;
    }
    if (h.Form != form) {
        h.Form = form;
        form->installEventFilter(this);
    }
    h.PrevSizeX = form->width();
    h.PrevSizeY = form->height();
}

void TExStringGrid::OwnerFormResize(QWidget *Form)
{
    TGridHover &h = hover();
    if (!h.SizeWithForm || Form == nullptr)
        return;
    const int newWidth = Form->width() + width() - h.PrevSizeX;
    const int newHeight = Form->height() + height() - h.PrevSizeY;
    if (newWidth > 0 && newHeight > 0) {
        resize(newWidth, newHeight);
        h.PrevSizeX = Form->width();
        h.PrevSizeY = Form->height();
    }
    ApplyOwnStretch();
}

} // namespace controls
