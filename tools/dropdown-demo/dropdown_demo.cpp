// Drop-downs on a window: a meter list that can be typed in, with a header
// and a footer whose OK and Cancel buttons close it, a unit list that can
// only be chosen from, a bordered one, and two typed edits (money with two
// decimals, a hex address after a fixed "0x") and a calculator. The line at the bottom
// tells what the last drop-down did.
#include "controls/dropdown/CalculatorDropDown.h"
#include "item_dropdowns.h"
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/DropDownForm.h"
#include "MultiColumnDemo.h"
#include "platform/ui/Fonts.h"
#include "panel_dropdowns.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QWidget>

namespace {

using controls::TExCustomDropDown;

// A drop-down whose popup is a list: Enter or a double click takes the
// current item, Escape leaves the text as it was.
class TListDropDown : public TExCustomDropDown {
public:
    TListDropDown(TConstructKey key, QWidget *parent, QStringList items)
        : TExCustomDropDown(key, parent), m_items(std::move(items))
    {
    }

protected:
    void EnsureDropDownForm() override
    {
        TExCustomDropDown::EnsureDropDownForm();
        if (m_list)
            return;
        m_list = new QListWidget(DropDownForm());
        m_list->addItems(m_items);
        m_list->setFrameShape(QFrame::NoFrame);
        m_list->resize(198, 16 * 10);
        QObject::connect(m_list, &QListWidget::itemDoubleClicked, m_list, [this] { HideDropDown(false); });
        SetDropDownControl(m_list);
        SetFocusControl(m_list);
    }
    void PrepareDropDown() override
    {
        TExCustomDropDown::PrepareDropDown();
        const auto found = m_list->findItems(Text(), Qt::MatchExactly);
        m_list->setCurrentItem(found.isEmpty() ? m_list->item(0) : found.first());
    }
    void CloseDropDown(bool cancel) override
    {
        if (!cancel && DroppedDown() && m_list->currentItem())
            setText(m_list->currentItem()->text());
        TExCustomDropDown::CloseDropDown(cancel);
    }

private:
    QStringList m_items;
    QListWidget *m_list = nullptr;
};

void report(QLabel &status, TExCustomDropDown &dropDown, const QString &name)
{
    QPointer<QLabel> line(&status);
    dropDown.OnDropUp = [line, name](QObject *Sender, bool cancelled) {
        if (line)
            line->setText(QStringLiteral("%1 closed %2: \"%3\"")
                              .arg(name, cancelled ? QStringLiteral("cancelled") : QStringLiteral("kept"),
                                   static_cast<TExCustomDropDown *>(Sender)->Text()));
    };
    dropDown.OnChange = [line, name](QObject *Sender) {
        if (line)
            line->setText(
                QStringLiteral("%1 changed: \"%2\"").arg(name, static_cast<TExCustomDropDown *>(Sender)->Text()));
    };
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Drop-down demo"));
    window.setFont(platform::makeFont(QStringLiteral("Tahoma"), 8));
    window.resize(620, 360);

    QStringList meters;
    for (int i = 1; i <= 20; ++i)
        meters << QStringLiteral("Meter %1 (heat, 0x%2)").arg(i).arg(0x1000 + i, 4, 16, QChar(u'0'));
    auto *status = new QLabel(&window);
    status->setGeometry(10, 330, 600, 20);

    auto *meter = TExCustomDropDown::create<TListDropDown>(&window, meters);
    meter->setObjectName(QStringLiteral("meter"));
    meter->move(110, 20);
    meter->setLabelCaption(QStringLiteral("Meter"));
    meter->setText(QStringLiteral("Meter 3 (heat, 0x1003)"));
    report(*status, *meter, QStringLiteral("Meter"));
    meter->DropDownHeader().Caption = QStringLiteral("<b>Meters</b> found: 20");
    meter->DropDownHeader().Buttons().Add()->setCaption(QStringLiteral("Sort"));
    meter->DropDownFooter().Caption = QStringLiteral("Pick one");
    controls::TFooterButton *ok = meter->DropDownFooter().Buttons().Add();
    ok->setCaption(QStringLiteral("OK"));
    ok->setModalResult(1);
    controls::TFooterButton *cancel = meter->DropDownFooter().Buttons().Add();
    cancel->setCaption(QStringLiteral("Cancel"));
    cancel->setModalResult(2);
    meter->OnDropDownHeaderButtonClick = [status](QObject *, int index) {
        status->setText(QStringLiteral("Header button %1 clicked").arg(index));
    };

    auto *unit = TExCustomDropDown::create<TListDropDown>(
        &window, QStringList{"Wh", "kWh", "MWh", "J", "kJ", "MJ", "GJ", "m3", "l", "W", "kW"});
    unit->setObjectName(QStringLiteral("unit"));
    unit->move(110, 70);
    unit->setEditorEnabled(false);
    unit->setLabelCaption(QStringLiteral("Unit"));
    unit->setLabelPosition(controls::TLabelPosition::lpLeftCenter);
    unit->setText(QStringLiteral("kWh"));
    report(*status, *unit, QStringLiteral("Unit"));
    unit->DropDownHeader().setVisible(false);
    unit->DropDownFooter().setVisible(false);

    auto *bordered = TExCustomDropDown::create<TListDropDown>(&window, meters);
    bordered->setObjectName(QStringLiteral("bordered"));
    bordered->move(110, 140);
    bordered->setBorderColor(platform::clRed);
    bordered->setFocusBorderColor(platform::clBlue);
    bordered->setDropPosition(controls::dpUp);
    bordered->setLabelCaption(QStringLiteral("Opens upwards"));
    bordered->setLabelPosition(controls::TLabelPosition::lpTopLeft);
    report(*status, *bordered, QStringLiteral("Bordered"));
    bordered->DropDownHeader().setVisible(false);
    bordered->DropDownFooter().Caption = QStringLiteral("Drag the corner to resize");

    auto *price = TExCustomDropDown::create<TListDropDown>(&window, QStringList{"0.00", "9.99", "1,234.50"});
    price->setObjectName(QStringLiteral("price"));
    price->move(400, 20);
    price->setEditType(controls::etMoney);
    price->setPrecision(2);
    price->setSigned(true);
    price->setText(QStringLiteral("1234.5"));
    price->setLabelCaption(QStringLiteral("Price"));
    price->DropDownHeader().setVisible(false);
    price->DropDownFooter().setVisible(false);
    price->resize(180, 21);
    report(*status, *price, QStringLiteral("Price"));

    auto *address = TExCustomDropDown::create<TListDropDown>(&window, QStringList{"1F", "FE", "FD00"});
    address->setObjectName(QStringLiteral("address"));
    address->move(400, 70);
    address->setEditType(controls::etHex);
    address->setPrefix(QStringLiteral("0x"));
    address->setText(QStringLiteral("fd00"));
    address->setLabelCaption(QStringLiteral("Address"));
    address->DropDownHeader().setVisible(false);
    address->DropDownFooter().setVisible(false);
    address->resize(180, 21);
    report(*status, *address, QStringLiteral("Address"));

    auto *amount = TExCustomDropDown::create<controls::TExCalculatorDropdown>(&window);
    amount->setObjectName(QStringLiteral("amount"));
    amount->move(110, 190);
    amount->setLabelCaption(QStringLiteral("Amount"));
    amount->setLabelPosition(controls::TLabelPosition::lpLeftCenter);
    report(*status, *amount, QStringLiteral("Amount"));

    addPanelDropDowns(window, *status);
    addMultiColumnDemo(window, *status);
    addItemDropDowns(window, *status);

    window.show();
    meter->setFocus();
    return app.exec();
}
