#include "app/windows/AboutDialog.h"

#include "app/MakerSite.h"
#include "app/windows/FormLook.h"
#include "app/windows/Glyphs.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/ShellOpen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace app {
namespace {

constexpr QSize ClientSize{406, 148};

platform::TLabel *label(QWidget *parent, const char *name, const QString &caption, QPoint at, bool bold = false)
{
    auto *l = new platform::TLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    if (bold)
        l->setFont(platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true}));
    l->setCaption(caption);
    l->move(at);
    return l;
}

} // namespace

AboutContent aboutContent(int converterType)
{
    const ConverterInfo &info = converterInfo(converterType);
    AboutContent content;
    content.partnerEdition = isValidConverterType(converterType) && converterInfo(converterType).partnerEdition();
    content.description = info.swDesc;
    content.softwareCode = info.swCode;
    content.programVersion = info.programVersion;
    content.manualCode = info.manualCode;
    return content;
}

TFAbout::TFAbout(int converterType, QWidget *parent) : DialogBase(parent), m_converterType(converterType)
{
    setWindowTitle(QStringLiteral("About..."));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(glyphs::makerLogo());
    Image2->setGeometry(10, 10, 120, 48);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);
    I_Vellquist = new QLabel(this);
    I_Vellquist->setObjectName(QStringLiteral("I_Vellquist"));
    I_Vellquist->setPixmap(glyphs::partnerLogo());
    I_Vellquist->setGeometry(10, 10, 120, 48);

    constexpr int captions = 136;
    constexpr int values = 252;
    Label1 = label(this, "Label1", QStringLiteral("Software Rostavelin "), QPoint(captions, 12), true);
    Label2 = label(this, "Label2", QString(), QPoint(captions, 30));
    Label6 = label(this, "Label6", QStringLiteral("Software Code : "), QPoint(captions, 54));
    Label9 = label(this, "Label9", QString(), QPoint(values, 54), true);
    Label3 = label(this, "Label3", QStringLiteral("Version :"), QPoint(captions, 72));
    Label10 = label(this, "Label10", QString(), QPoint(values, 72), true);
    Label8 = label(this, "Label8", QStringLiteral("Document Code :"), QPoint(captions, 90));
    Label12 = label(this, "Label12", QString(), QPoint(values, 90), true);

    Label4 = label(this, "Label4", makerSiteCaption(), QPoint(0, 0));
    QFont linkFont = Label4->font();
    linkFont.setUnderline(true);
    Label4->setFont(linkFont);
    Label4->setFontColor(platform::clBlue);
    Label4->adjustSize();
    Label4->move(ClientSize.width() - Label4->width() - 12, ClientSize.height() - Label4->height() - 12);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    LbButton1 = new controls::TLbButton(this);
    LbButton1->setObjectName(QStringLiteral("LbButton1"));
    LbButton1->setCaption(QStringLiteral("OK"));
    LbButton1->setGeometry(12, ClientSize.height() - 26 - 10, 80, 26);
    LbButton1->setModalResult(platform::mrOk);
    LbButton1->setDefault(true);
    // The one button, which always has the focus: Escape presses it too,
    // as Escape closes every other dialog.
    LbButton1->setCancel(true);
    LbButton1->installEventFilter(this);
    applyButtonLook(*LbButton1);

    setFixedSize(ClientSize);
    platform::guarded([this] { FormShow(); });
}

void TFAbout::FormShow()
{
    const AboutContent content = aboutContent(m_converterType);
    I_Vellquist->setVisible(content.partnerEdition);
    Image2->setVisible(!content.partnerEdition);
    Label4->setVisible(!content.partnerEdition);
    Label2->setCaption(content.description);
    Label9->setCaption(content.softwareCode);
    Label10->setCaption(content.programVersion);
    Label12->setCaption(content.manualCode);
    setFixedSize(ClientSize);
}

void TFAbout::Label4Click(QObject *)
{
    platform::guarded([this] {
        const QString address = productPageAddress(m_converterType);
        if (!address.isEmpty())
            platform::shellOpen(address);
    });
}

bool TFAbout::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Label4 || watched == Image2) && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *widget = static_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            Label4Click(watched);
            return true;
        }
    }
    if (watched == LbButton1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            LbButton1->Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace app
