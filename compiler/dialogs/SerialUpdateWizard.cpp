#include "compiler/dialogs/SerialUpdateWizard.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/NamedWidgets.h"
#include "compiler/dialogs/UpdateToolRun.h"
#include "compiler/update/SerialUpdateCommand.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ComPorts.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QComboBox>
#include <QPainter>
#include <QPainterPath>

namespace compiler {
namespace {

// Two arrows chasing each other round a circle: "look again".
QPixmap refreshGlyph()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0, 70, 160);
    p.setPen(QPen(blue, 2));
    p.drawArc(QRectF(3, 3, 10, 10), 30 * 16, 150 * 16);
    p.drawArc(QRectF(3, 3, 10, 10), 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    QPainterPath head;
    head.addPolygon(QPolygonF({QPointF(9.5, 1), QPointF(14.5, 4.5), QPointF(9.5, 7)}));
    head.addPolygon(QPolygonF({QPointF(6.5, 9), QPointF(1.5, 11.5), QPointF(6.5, 15)}));
    p.drawPath(head);
    return glyph;
}

} // namespace

TFBootSer::TFBootSer(int converterType, Services services, QWidget *parent)
    : UpdateWizardDialog(TitleBar::WithSystemMenu, parent),
      m_converterType(converterType), m_services(std::move(services))
{
    if (!m_services.listPorts)
        m_services.listPorts = platform::listComPorts;
    Btn_Next->OnClick = [this](QObject *sender) { Btn_NextClick(sender); };
    Btn_Update->OnClick = [this](QObject *sender) { Btn_UpdateClick(sender); };

    L_Steps1 = app::namedLabel(this, "L_Steps1", {16, 75});
    L_Steps2 = app::namedLabel(this, "L_Steps2", {36, 93});
    L_Steps3 = app::namedLabel(this, "L_Steps3", {36, 112});
    L_Steps4 = app::namedLabel(this, "L_Steps4", {36, 131});
    L_Steps5 = app::namedLabel(this, "L_Steps5", {36, 176});
    CB_Com = new QComboBox(this);
    CB_Com->setObjectName(QStringLiteral("CB_Com"));
    CB_Com->setEditable(false);
    CB_Com->setGeometry(54, 151, 145, 21);
    Btn_COM_List = app::namedButton(this, "Btn_COM_List", {209, 148, 26, 26});
    Btn_COM_List->setGlyph(refreshGlyph());
    Btn_COM_List->setShowHint(true);
    Btn_COM_List->OnClick = [this](QObject *sender) { Btn_COM_ListClick(sender); };

    createOptionsPage();

    completeCreation(app::LangOrder::SerialUpdate);
}

TFBootSer::~TFBootSer() = default;

void TFBootSer::Set_Lang()
{
    setWindowTitle(app::text(73));
    L_SW_Desc->setCaption(app::text(74));
    L_Steps1->setCaption(app::text(75));
    L_Steps2->setCaption(app::text(76));
    L_Steps3->setCaption(app::text(77));
    L_Steps4->setCaption(app::text(78));
    L_Steps5->setCaption(app::text(79));
    Btn_COM_List->setHint(app::text(80));
    UpdateOptionsPage::setTexts(81);
    Btn_Cancel->setCaption(app::text(86));
    Btn_Next->setCaption(app::text(87));
    Btn_Update->setCaption(app::text(88));
}

QStringList TFBootSer::EnumPorts()
{
    return m_services.listPorts();
}

void TFBootSer::update_ComPort()
{
    CB_Com->clear();
    for (const QString &number : EnumPorts())
        CB_Com->addItem(QStringLiteral("COM") + number);
    CB_Com->setCurrentIndex(CB_Com->count() > 0 ? 0 : -1);
}

void TFBootSer::Btn_COM_ListClick(QObject *)
{
    platform::guarded([this] { update_ComPort(); });
}

void TFBootSer::setPortPageVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{L_Steps1, L_Steps2, L_Steps3, L_Steps4, L_Steps5, CB_Com,
                                                       Btn_COM_List})
        w->setVisible(visible);
}

void TFBootSer::FormShow()
{
    update_ComPort();
    setPortPageVisible(true);
    showFirstPage();
}

void TFBootSer::Btn_NextClick(QObject *)
{
    platform::guarded([this] {
        if (CB_Com->currentText().isEmpty()) {
            platform::showError(app::text(89));
            return;
        }
        setPortPageVisible(false);
        showOptionsPage();
    });
}

void TFBootSer::Btn_UpdateClick(QObject *)
{
    platform::guarded([this] {
        // Models without a serial board have no tool to run.
        if (serialUpdateToolName(m_converterType).isEmpty())
            return;
        const app::AppState &s = app::state();
        const auto command = serialUpdateCommand(m_converterType, platform::comPortNumber(CB_Com->currentText()),
                                                 options(), s.App_Dir, s.Master_Dir, s.Project_Dir);
        if (!command) {
            platform::showError(app::text(89));
            return;
        }
        runUpdateTool(m_services.launch, command->program, command->arguments);
    });
}

} // namespace compiler
