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

TEST(CalculatorDropDown, DeleteOnAFailedOrEmptiedDisplayShowsZero)
{
    struct Case {
        const char16_t *display;
        int caret;
        const char16_t *after;
    };
    const Case cases[] = {
        {u"Error", 0, u"0.00"}, {u"Error", 5, u"0.00"},  {u"-", 0, u"0.00"},
        {u"5", 0, u"0.00"},     {u"12.00", 0, u"2.00"}, {u"12.00", 5, u"12.00"},
    };
    for (const Case &k : cases) {
        CalculatorWindow w;
        w.calc->SetPlainText(QString::fromUtf16(k.display));
        w.calc->setCursorPosition(k.caret);
        key(*w.calc, Qt::Key_Delete);
        EXPECT_EQ(w.calc->Text(), QString::fromUtf16(k.after)) << QString::fromUtf16(k.display).toStdString();
    }
    // Another change that empties the text afterwards is left alone.
    CalculatorWindow w;
    w.calc->SetPlainText(QStringLiteral("12.00"));
    w.calc->setCursorPosition(5);
    key(*w.calc, Qt::Key_Delete);
    w.calc->SetPlainText(QString());
    EXPECT_EQ(w.calc->Text(), u"");
}

TEST(CalculatorDropDown, AComponentStyleColoursTheKeysFromThePopupButtons)
{
    CalculatorWindow w;
    for (TFenloStyle style : {tsOffice2010Blue, tsWindows7}) {
        w.calc->SetComponentStyle(style);
        const TExButtonAppearance &buttons = w.calc->ButtonAppearance();
        const TButtonAppearance &keys = w.calc->CalcButtonAppearance();
        EXPECT_EQ(keys.Color, buttons.Color());
        EXPECT_EQ(keys.ColorHotTo, buttons.ColorHotTo());
        EXPECT_EQ(keys.BorderColorChecked, buttons.BorderColorDisabled());
        EXPECT_EQ(keys.ColorChecked, buttons.ColorDisabledTo());
        EXPECT_EQ(keys.ColorCheckedTo, buttons.ColorHotTo());
        if (style == tsOffice2010Blue) {
            EXPECT_EQ(keys.GlowColorHot, buttons.ColorHot());
            EXPECT_EQ(keys.GlowColorDown, buttons.ColorHot());
        } else {
            EXPECT_EQ(keys.GlowColorHot, buttons.ColorDownTo());
            EXPECT_EQ(keys.GlowColorDown, 14008900);
        }
    }
}

TEST(CalculatorDropDown, TheKeypadTakesTheKeysLookAtOpening)
{
    CalculatorWindow w;
    TButtonAppearance look = w.calc->CalcButtonAppearance();
    look.TextColor = platform::clBlue;
    look.SpecialTextColor = platform::clRed;
    w.calc->setCalcButtonAppearance(look);
    EXPECT_FALSE(w.calc->ButtonPanel()->ButtonAppearance() == look);
    w.calc->ShowDropDown();
    settle();
    TCustomButtonPanel &panel = *w.calc->ButtonPanel();
    EXPECT_TRUE(panel.ButtonAppearance() == look);
    const QImage image = panel.grab().toImage();
    const auto inked = [&](int index, platform::TColor color) {
        const QRect r = panel.GetButtonRect(index);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (editortest::near(editortest::pixel(image, x, y), color, 40))
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(w.indexOf(u"7"), platform::clBlue));
    EXPECT_FALSE(inked(w.indexOf(u"7"), platform::clRed));
    EXPECT_TRUE(inked(w.indexOf(u"+"), platform::clRed));
}

} // namespace
