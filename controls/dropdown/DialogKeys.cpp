#include "controls/dropdown/DialogKeys.h"

#include "controls/dropdown/LbButton.h"

#include <QKeyEvent>
#include <QWidget>

namespace controls {
namespace {

class DialogKeyRouter final : public QObject {
public:
    static constexpr const char *Name = "dialogKeyRouter";

    explicit DialogKeyRouter(QWidget &form) : QObject(&form), m_form(form)
    {
        setObjectName(QString::fromLatin1(Name));
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_form || event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool escape = key->key() == Qt::Key_Escape;
        if (!enter && !escape)
            return false;
        for (TLbButton *button : m_form.findChildren<TLbButton *>()) {
            if (button->window() == &m_form && button->HandleDialogKey(enter ? 13 : 27, key->modifiers()))
                return true;
        }
        // Escape that no button took does nothing: the form stays.
        return escape;
    }

private:
    QWidget &m_form;
};

} // namespace

void routeDialogKeys(QWidget &form)
{
    if (form.findChild<QObject *>(QString::fromLatin1(DialogKeyRouter::Name), Qt::FindDirectChildrenOnly))
        return;
    new DialogKeyRouter(form);
}

} // namespace controls
