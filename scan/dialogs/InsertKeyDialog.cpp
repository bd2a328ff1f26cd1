#include "scan/dialogs/InsertKeyDialog.h"

#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QLineEdit>
#include <QPainter>

namespace scan {
namespace {

constexpr int KeyLength = 32;
constexpr int TextInsertKey = 600;
constexpr int TextOk = 601;
constexpr int TextCancel = 602;
constexpr int TextBadCharacters = 603;
constexpr int TextBadLength = 604;

} // namespace

QPoint placeInside(QPoint mouse, QSize size, const QRect &client)
{
    QPoint topLeft = mouse;
    const int overRight = topLeft.x() + size.width() - (client.left() + client.width());
    if (overRight > 0)
        topLeft.rx() -= overRight;
    const int overBottom = topLeft.y() + size.height() - (client.top() + client.height());
    if (overBottom > 0)
        topLeft.ry() -= overBottom;
    return topLeft;
}

TFInsertKeyWireless::TFInsertKeyWireless(QWidget *parent) : DialogBase(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    L_InsKey = new platform::TLabel(this);
    L_InsKey->setObjectName(QStringLiteral("L_InsKey"));
    L_InsKey->move(10, 16);
    E_Key = new QLineEdit(this);
    E_Key->setObjectName(QStringLiteral("E_Key"));
    E_Key->setMaxLength(KeyLength);
    E_Key->setGeometry(118, 13, 236, 21);
    // Letters become capitals as they are typed.
    connect(E_Key, &QLineEdit::textEdited, this, [this](const QString &typed) {
        const int cursor = E_Key->cursorPosition();
        E_Key->setText(typed.toUpper());
        E_Key->setCursorPosition(cursor);
    });
    const auto button = [this](const char *name, int left) {
        auto *b = new controls::TLbButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 10, 56, 26);
        app::applyButtonLook(*b);
        return b;
    };
    Btn_OK = button("Btn_OK", 360);
    Btn_OK->setDefault(true);
    Btn_OK->OnClick = [this](QObject *sender) { Btn_OKClick(sender); };
    Btn_Cancel = button("Btn_Cancel", 420);
    Btn_Cancel->setCancel(true);
    Btn_Cancel->setModalResult(platform::mrCancel);
    platform::guarded([this] { FormCreate(); });
}

TFInsertKeyWireless::~TFInsertKeyWireless() = default;

void TFInsertKeyWireless::FormCreate()
{
    setFixedSize(InsertKeyClientSize);
    Set_Lang();
}

void TFInsertKeyWireless::Set_Lang()
{
    L_InsKey->setCaption(app::text(TextInsertKey));
    Btn_OK->setCaption(app::text(TextOk));
    Btn_Cancel->setCaption(app::text(TextCancel));
}

bool TFInsertKeyWireless::Check_Data(const QString &text)
{
    for (const QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return false;
    return true;
}

QString TFInsertKeyWireless::keyText() const { return E_Key->text(); }

void TFInsertKeyWireless::setKeyText(const QString &text) { E_Key->setText(text); }

void TFInsertKeyWireless::Btn_OKClick(QObject *)
{
    const QString key = E_Key->text();
    if (key.size() != KeyLength)
        platform::showError(app::text(TextBadLength));
    else if (!Check_Data(key))
        platform::showError(app::text(TextBadCharacters));
    else
        done(platform::mrOk);
}

void TFInsertKeyWireless::paintEvent(QPaintEvent *event)
{
    DialogBase::paintEvent(event);
    // A window without a border draws its own frame.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace scan
