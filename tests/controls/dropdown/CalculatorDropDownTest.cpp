#include "controls/dropdown/CalculatorDropDown.h"
#include "controls/dropdown/ButtonPanel.h"
#include "controls/dropdown/DropDownForm.h"

#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

using namespace controls;
using editortest::key;
using editortest::settle;

namespace {

struct CalculatorWindow {
    QWidget window;
    TExCalculatorDropdown *calc = TExCustomDropDown::create<TExCalculatorDropdown>(&window);
    int changes = 0;
    TFormatSettings saved = formatSettings();
    CalculatorWindow()
    {
        // The "." locale: the texts below are written in it.
        setFormatSettings(TFormatSettings());
        window.resize(400, 300);
        calc->move(50, 40);
        calc->OnChange = [this](QObject *) { ++changes; };
        window.show();
        window.activateWindow();
        calc->setFocus();
        settle();
    }
    ~CalculatorWindow()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setFormatSettings(saved);
    }
    int indexOf(const char16_t *caption) const
    {
        for (int i = 0; i < CalculatorKeyCount; ++i)
            if (std::u16string_view(calculatorKeys()[size_t(i)].caption) == caption)
                return i;
        return -1;
    }
    void click(std::initializer_list<const char16_t *> captions)
    {
        for (const char16_t *caption : captions)
            calc->HandleButtonClick(indexOf(caption));
    }
};

TEST(CalculatorDropDown, KeypadClicksCalculateInTheEdit)
{
    CalculatorWindow w;
    EXPECT_EQ(w.calc->Text(), u"0.00");
    w.click({u"2", u"+", u"3", u"*"});
    EXPECT_EQ(w.calc->Text(), u"5.00");
    w.click({u"4", u"="});
    EXPECT_EQ(w.calc->Text(), u"20.00");
    EXPECT_DOUBLE_EQ(w.calc->Value(), 20);
    EXPECT_TRUE(w.calc->isModified());
}

TEST(CalculatorDropDown, OperatorsTypedWhileClosedCalculate)
{
    CalculatorWindow w;
    w.calc->setValue(7);
    key(*w.calc, Qt::Key_Plus, QStringLiteral("+"));
    w.click({u"3"});
    w.calc->CalcResult();
    EXPECT_EQ(w.calc->Text(), u"10.00");
}

TEST(CalculatorDropDown, TypedKeysCalculateLeftToRight)
{
    CalculatorWindow w;
    w.calc->setCursorPosition(int(w.calc->text().size()));
    key(*w.calc, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(w.calc->Text(), u"2");
    for (const char *typed : {"+", "3", "*", "4"})
        key(*w.calc, Qt::Key_unknown, QString::fromUtf8(typed));
    key(*w.calc, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(w.calc->Text(), u"20.00");
    key(*w.calc, Qt::Key_unknown, QStringLiteral("c"));
    EXPECT_EQ(w.calc->Text(), u"0.00");
}

TEST(CalculatorDropDown, MaxLengthStopsOnlyLongerTexts)
{
    CalculatorWindow w;
    w.calc->setMaxLength(7);
    w.click({u"1", u"2", u"3", u"4"});
    w.calc->SetModifiedFlag(false);
    w.click({u"5"});
    EXPECT_EQ(w.calc->Text(), u"1234.00");
    EXPECT_FALSE(w.calc->isModified());
    w.click({u"+", u"5", u"="});
    EXPECT_EQ(w.calc->Text(), u"1239.00");
}

TEST(CalculatorDropDown, ThousandSeparatorsSwitchTheDisplay)
{
    CalculatorWindow w;
    w.calc->setValue(12345);
    w.calc->setShowThousandSeparator(true);
    EXPECT_EQ(w.calc->Text(), u"12,345.00");
    w.calc->setShowThousandSeparator(false);
    EXPECT_EQ(w.calc->Text(), u"12345.00");
}

TEST(CalculatorDropDown, PopupKeysCalculateAndEscapeRestores)
{
    CalculatorWindow w;
    w.calc->setValue(12);
    w.calc->ShowDropDown();
    settle();
    ASSERT_TRUE(w.calc->DroppedDown());
    QWidget &popup = *w.calc->DropDownForm();
    key(popup, Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(w.calc->Text(), u"7");
    key(popup, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(w.calc->Text(), u"0.00");
    key(popup, Qt::Key_Plus, QStringLiteral("+"));
    key(popup, Qt::Key_Escape, QStringLiteral("\x1b"));
    settle();
    EXPECT_FALSE(w.calc->DroppedDown());
    EXPECT_EQ(w.calc->Text(), u"12.00");
    EXPECT_EQ(w.calc->Calculator().pendingOperator(), TCalculatorOp::None);

    w.calc->ShowDropDown();
    settle();
    key(popup, Qt::Key_2, QStringLiteral("2"));
    key(popup, Qt::Key_Plus, QStringLiteral("+"));
    key(popup, Qt::Key_3, QStringLiteral("3"));
    key(popup, Qt::Key_Return, QStringLiteral("\r"));
    settle();
    EXPECT_FALSE(w.calc->DroppedDown());
    EXPECT_EQ(w.calc->Text(), u"5.00");
}

} // namespace
