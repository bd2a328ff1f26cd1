#include "DropDownFixture.h"
#include "controls/grid/base/FormatSettings.h"

#include <QClipboard>
#include <QMimeData>

#include <cmath>
#include <gtest/gtest.h>

using namespace controls;
using namespace dropdowntest;

namespace {

// A drop-down whose changes are counted, with the "." locale's separators
// and a clean clipboard.
struct TypedWindow : DropDownWindow {
    int changes = 0;
    TFormatSettings saved = formatSettings();

    TypedWindow()
    {
        TFormatSettings fs;
        fs.DecimalSeparator = u'.';
        fs.ThousandSeparator = u',';
        setFormatSettings(fs);
        dropDown->OnChange = [this](QObject *) { ++changes; };
    }
    ~TypedWindow() { setFormatSettings(saved); }

    TProbeDropDown &d() const { return *dropDown; }
    void typeText(const QString &text) { editortest::type(d(), text); }
    void paste(const QString &text, int code = Qt::Key_V, Qt::KeyboardModifiers mods = Qt::ControlModifier)
    {
        QApplication::clipboard()->setText(text);
        editortest::key(d(), code, QString(), mods);
    }
};

TEST(TypedEdit, OneChangePerKeystrokeAfterTheMoneyReformat)
{
    TypedWindow w;
    w.d().setEditType(etMoney);
    w.d().setPrecision(2);
    w.d().setText(QString());
    w.d().selectAll();
    w.changes = 0;
    w.typeText(QStringLiteral("12345"));
    EXPECT_EQ(w.d().text(), QStringLiteral("12,345"));
    EXPECT_EQ(w.d().cursorPosition(), 6);
    EXPECT_EQ(w.changes, 5);
}

TEST(TypedEdit, ARefusedCharacterSwallowsNoLaterChange)
{
    TypedWindow w;
    w.d().setEditType(etNumeric);
    w.d().setText(QStringLiteral("12"));
    w.d().selectAll();
    w.changes = 0;
    w.typeText(QStringLiteral("x"));
    EXPECT_EQ(w.d().text(), QStringLiteral("12"));
    EXPECT_EQ(w.changes, 0);
    EXPECT_TRUE(w.d().hasSelectedText()) << "the refused key keeps the selection";
    w.typeText(QStringLiteral("7"));
    EXPECT_EQ(w.d().text(), QStringLiteral("7"));
    EXPECT_EQ(w.changes, 1);
    // A minus without Signed changes nothing either.
    w.typeText(QStringLiteral("-"));
    EXPECT_EQ(w.d().text(), QStringLiteral("7"));
    EXPECT_EQ(w.changes, 1);
}

TEST(TypedEdit, EveryPasteKeyFollowsTheRuleAndARefusalKeepsCaretAndSelection)
{
    TypedWindow w;
    w.d().setEditType(etNumeric);
    w.d().setText(QStringLiteral("1234"));
    w.d().setSelection(1, 2);
    w.changes = 0;
    w.paste(QStringLiteral("-5"));
    EXPECT_EQ(w.d().text(), QStringLiteral("1234"));
    EXPECT_EQ(w.d().selectionStart(), 1);
    EXPECT_EQ(w.d().selectedText(), QStringLiteral("23"));
    w.d().setSigned(true);
    w.paste(QStringLiteral("1-2"));
    EXPECT_EQ(w.d().text(), QStringLiteral("1234"));
    EXPECT_EQ(w.changes, 0);
    w.paste(QStringLiteral("99"), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(w.d().text(), QStringLiteral("1994"));
    EXPECT_EQ(w.d().selectedText(), QStringLiteral("99"));
    EXPECT_EQ(w.changes, 1);
}

TEST(TypedEdit, ADropPastesByTheRule)
{
    TypedWindow w;
    w.d().setEditType(etNumeric);
    w.d().setText(QStringLiteral("5"));
    for (const QString &dropped : {QStringLiteral("abc"), QStringLiteral("12")}) {
        QMimeData data;
        data.setText(dropped);
        QDropEvent drop(QPointF(5, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the edit: without a drag in progress the application
        // delivers no drop.
        static_cast<QObject &>(w.d()).event(&drop);
    }
    EXPECT_TRUE(w.d().text() == QStringLiteral("125") || w.d().text() == QStringLiteral("512"))
        << w.d().text().toStdString();
}

TEST(TypedEdit, ThePasteEventMayRefuse)
{
    TypedWindow w;
    QString offered;
    w.d().OnClipboardPaste = [&](QObject *, const QString &value, bool &allow) {
        offered = value;
        allow = false;
    };
    w.d().setText(QStringLiteral("ab"));
    w.d().setCursorPosition(1);
    w.paste(QStringLiteral("X"));
    EXPECT_EQ(offered, QStringLiteral("aXb"));
    EXPECT_EQ(w.d().text(), QStringLiteral("ab"));
}

TEST(TypedEdit, CopyAndCutAskTheirEventsWithTheSelectedValue)
{
    TypedWindow w;
    TProbeDropDown &d = w.d();
    QStringList asked;
    bool allowCut = false;
    d.OnClipboardCopy = [&](QObject *, const QString &value, bool &) { asked << QStringLiteral("copy ") + value; };
    d.OnClipboardCut = [&](QObject *, const QString &value, bool &allow) {
        asked << QStringLiteral("cut ") + value;
        allow = allowCut;
    };
    d.setText(QStringLiteral("meter"));
    d.setSelection(0, 2);
    editortest::key(d, Qt::Key_C, QString(), Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("me"));
    editortest::key(d, Qt::Key_X, QString(), Qt::ControlModifier);
    EXPECT_EQ(d.text(), QStringLiteral("meter")) << "the cut was refused";
    allowCut = true;
    w.changes = 0;
    editortest::key(d, Qt::Key_X, QString(), Qt::ControlModifier);
    EXPECT_EQ(d.text(), QStringLiteral("ter"));
    EXPECT_EQ(w.changes, 1);
    EXPECT_EQ(asked, QStringList({"copy me", "cut me", "cut me"}));
}

TEST(TypedEdit, MaxLengthLimitsTypingAndPasteButNotCode)
{
    TypedWindow w;
    w.d().setMaxLength(3);
    w.d().setText(QStringLiteral("abcdef"));
    EXPECT_EQ(w.d().text(), QStringLiteral("abcdef"));
    w.d().setText(QStringLiteral("ab"));
    w.d().setCursorPosition(2);
    w.typeText(QStringLiteral("cd"));
    EXPECT_EQ(w.d().text(), QStringLiteral("abc"));
    w.paste(QStringLiteral("z"));
    EXPECT_EQ(w.d().text(), QStringLiteral("abc"));
}

TEST(TypedEdit, PrefixAndSuffixKeepTheCaretOnTheValue)
{
    TypedWindow w;
    TProbeDropDown &d = w.d();
    d.setPrefix(QStringLiteral("EUR "));
    d.setSuffix(QStringLiteral(" net"));
    d.setText(QStringLiteral("12"));
    EXPECT_EQ(d.text(), QStringLiteral("EUR 12 net"));
    EXPECT_EQ(d.Text(), QStringLiteral("12"));
    d.setCursorPosition(6);
    editortest::key(d, Qt::Key_Home);
    EXPECT_EQ(d.cursorPosition(), 4);
    editortest::key(d, Qt::Key_Left);
    EXPECT_EQ(d.cursorPosition(), 4);
    editortest::key(d, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(d.text(), QStringLiteral("EUR 12 net"));
    editortest::key(d, Qt::Key_End);
    EXPECT_EQ(d.cursorPosition(), 6);
    editortest::key(d, Qt::Key_Right);
    EXPECT_EQ(d.cursorPosition(), 6);
    editortest::key(d, Qt::Key_Delete);
    EXPECT_EQ(d.text(), QStringLiteral("EUR 12 net"));
    editortest::key(d, Qt::Key_Home, QString(), Qt::ShiftModifier);
    EXPECT_EQ(d.selectedText(), QStringLiteral("12"));
    d.setCursorPosition(4);
    editortest::key(d, Qt::Key_End, QString(), Qt::ShiftModifier);
    EXPECT_EQ(d.selectedText(), QStringLiteral("12"));
    // A click into the prefix selects the value.
    d.setCursorPosition(1);
    editortest::release(d, {2, 10});
    EXPECT_EQ(d.selectedText(), QStringLiteral("12"));
    w.typeText(QStringLiteral("7"));
    EXPECT_EQ(d.text(), QStringLiteral("EUR 7 net"));
}

TEST(TypedEdit, TheKeypadsDecimalKeyTypesTheLocaleSeparator)
{
    TypedWindow w;
    TFormatSettings comma;
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    setFormatSettings(comma);
    w.d().setEditType(etFloat);
    w.d().setPrecision(2);
    w.d().setExcelStyleDecimalSeparator(true);
    w.d().setText(QString());
    w.d().SelectAllValue();
    w.typeText(QStringLiteral("3"));
    editortest::key(w.d(), Qt::Key_Period, QStringLiteral("."), Qt::KeypadModifier);
    w.typeText(QStringLiteral("5"));
    EXPECT_EQ(w.d().text(), QStringLiteral("3,5"));
    EXPECT_DOUBLE_EQ(w.d().GetFloatValue(), 3.5);
}

TEST(TypedEdit, LeavingFormatsTheDecimalsAndKeepsModified)
{
    TypedWindow w;
    w.d().setEditType(etFloat);
    w.d().setPrecision(2);
    w.d().SetPlainText(QStringLiteral("7"));
    w.d().setModified(false);
    w.other->setFocus();
    editortest::settle();
    EXPECT_EQ(w.d().text(), QStringLiteral("7.00"));
    EXPECT_FALSE(w.d().isModified());
}

TEST(TypedEdit, ValueAccessorsByType)
{
    TypedWindow w;
    TProbeDropDown &d = w.d();
    d.setEditType(etNumeric);
    d.setText(QString());
    EXPECT_EQ(d.text(), QStringLiteral("0"));
    d.setEditType(etMoney);
    d.setPrecision(2);
    d.setText(QStringLiteral("1234.5"));
    EXPECT_EQ(d.text(), QStringLiteral("1,234.50"));
    EXPECT_DOUBLE_EQ(d.GetFloatValue(), 1234.5);
    d.SetFloatValue(std::nan(""));
    EXPECT_EQ(d.text(), QStringLiteral("1,234.50")) << "NaN is refused";
    d.setEditType(etHex);
    d.SetIntValue(-31);
    EXPECT_EQ(d.text(), QStringLiteral("-1F"));
    EXPECT_DOUBLE_EQ(d.GetFloatValue(), -31);
    d.setEditType(etPassword);
    EXPECT_EQ(d.echoMode(), QLineEdit::Password);
    EXPECT_FALSE(d.CanUndo());
}

} // namespace
