#include "controls/dropdown/CalculatorDropDown.h"

#include "controls/dropdown/ButtonPanel.h"
#include "controls/dropdown/DropDownForm.h"

#include <QKeyEvent>
#include <QPointer>

namespace controls {

TExCalculatorDropdown::TExCalculatorDropdown(TConstructKey key, QWidget *parent) : TExCustomDropDown(key, parent) {}

void TExCalculatorDropdown::Initialize()
{
    TExCustomDropDown::Initialize();
    setDropDownColor(0xFFFFFF);
    setDropDownWidth(230);
    DropDownHeader().setVisible(false);
    DropDownFooter().setVisible(false);
    setEditType(etFloat);
    setSigned(true);
    setPrecision(2);
    m_engine = TCalculatorEngine(TCalculatorEngine::defaultSettings());
    showDisplay();
}

void TExCalculatorDropdown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!m_panel) {
        m_panel = new TCustomButtonPanel(DropDownForm());
        m_panel->setInDropDown(true);
        m_panel->resize(228, 150);
        m_panel->OnButtonClick = [this](QObject *, int index) { HandleButtonClick(index); };
    }
    SetDropDownControl(m_panel);
}

void TExCalculatorDropdown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    if (m_panel)
        m_panel->setButtonAppearance(m_calcButtonAppearance);
    takeText();
    m_atOpening = m_engine;
    m_engine.popupOpened();
}

void TExCalculatorDropdown::RestoreDropDownValue()
{
    // Cancel puts back the calculation as it was at opening; the base then
    // puts back the text.
    m_engine = m_atOpening;
}

void TExCalculatorDropdown::takeText()
{
    if (Text() != m_engine.display())
        m_engine.setRawDisplay(Text());
}

void TExCalculatorDropdown::showDisplay()
{
    if (Text() != m_engine.display())
        SetPlainText(Prefix() + m_engine.display() + Suffix());
}

void TExCalculatorDropdown::CalcResult()
{
    takeText();
    m_engine.calcResult();
    showDisplay();
}

double TExCalculatorDropdown::Value() const
{
    TCalculatorEngine reader = m_engine;
    reader.setRawDisplay(Text());
    return reader.value();
}

void TExCalculatorDropdown::setValue(double value)
{
    SetFloatValue(value);
    takeText();
}

void TExCalculatorDropdown::setShowThousandSeparator(bool show)
{
    if (show == m_showThousandSeparator)
        return;
    m_showThousandSeparator = show;
    takeText();
    setEditType(show ? etMoney : etFloat);
    m_engine.setEditType(show ? etMoney : etFloat);
    showDisplay();
}

void TExCalculatorDropdown::HandleButtonClick(int index)
{
    if (!m_panel || index < 0 || index >= m_panel->ButtonCount())
        return;
    takeText();
    m_engine.setMaxLength(MaxLength());
    if (m_engine.pressKey(m_panel->ButtonTag(index)))
        SetModifiedFlag(true);
    showDisplay();
}

void TExCalculatorDropdown::SetComponentStyle(TFenloStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    const bool office2010 = style == tsOffice2010Blue || style == tsOffice2010Silver || style == tsOffice2010Black;
    takeStyleColors(m_calcButtonAppearance, ButtonAppearance(), office2010);
}

void TExCalculatorDropdown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    if (key != Qt::Key_Delete || !EditorEnabled()) {
        TExCustomDropDown::HandleKeyDownMessage(key, shift);
        return;
    }
    takeText();
    // A failed display (or one that is no number) is not edited into
    // another failed one: it becomes 0.
    if (m_engine.isError() || Text().isEmpty()) {
        m_engine.setDisplay(QStringLiteral("0"));
        showDisplay();
        key = 0;
        return;
    }
    m_deleting = true;
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
}

void TExCalculatorDropdown::keyPressEvent(QKeyEvent *event)
{
    QPointer<TExCalculatorDropdown> alive(this);
    TExCustomDropDown::keyPressEvent(event);
    if (alive)
        m_deleting = false;
}

void TExCalculatorDropdown::HandleTextChange()
{
    TExCustomDropDown::HandleTextChange();
    if (!m_deleting)
        return;
    m_deleting = false;
    if (Text().isEmpty()) {
        m_engine.setDisplay(QStringLiteral("0"));
        showDisplay();
    }
}

void TExCalculatorDropdown::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (DroppedDown()) {
        if (key == Qt::Key_Backspace) {
            takeText();
            m_engine.popupBackspace();
            showDisplay();
            key = 0;
            return;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            CalcResult();
    }
    TExCustomDropDown::HandleKeyDown(key, shift);
}

void TExCalculatorDropdown::HandleCharMessage(QChar &key)
{
    if (key.isNull())
        return;
    takeText();
    m_engine.setMaxLength(MaxLength());
    if (DroppedDown()) {
        // Enter and Escape close through the key-down; every other key is
        // the calculator's.
        if (key.unicode() != 13 && key.unicode() != 27)
            m_engine.popupKeyPress(key);
        showDisplay();
        key = QChar();
        return;
    }
    const TCalculatorEngine::TTyped typed = m_engine.typedKey(key, false);
    showDisplay();
    if (typed.caretAfterDigit)
        setCursorPosition(int(Prefix().size()) + 1);
    key = typed.insert;
    if (!key.isNull())
        TExCustomDropDown::HandleCharMessage(key);
}

} // namespace controls
