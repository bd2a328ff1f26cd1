#pragma once
// A drop-down edit holding one number, with a pocket calculator's keypad
// in its popup. The arithmetic is the core's; this keeps the edit's text
// and the calculator's display the same.
#include "controls/dropdown/ButtonAppearance.h"
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/core/CalculatorEngine.h"

namespace controls {

class TCustomButtonPanel;

class TExCalculatorDropdown : public TExCustomDropDown {
public:
    TExCalculatorDropdown(TConstructKey key, QWidget *parent);

    TCustomButtonPanel *ButtonPanel() const { return m_panel; }
    const TCalculatorEngine &Calculator() const { return m_engine; }
    // "=": the grid's cell editor completes the calculation on Enter.
    void CalcResult();
    // The number shown; 0 for "Error" and any text that is no number.
    double Value() const;
    void setValue(double value);
    bool ShowThousandSeparator() const { return m_showThousandSeparator; }
    void setShowThousandSeparator(bool show);
    // A keypad click by the key's index.
    void HandleButtonClick(int index);
    // The keys' look, handed to the keypad at every opening.
    const TButtonAppearance &CalcButtonAppearance() const { return m_calcButtonAppearance; }
    void setCalcButtonAppearance(const TButtonAppearance &appearance) { m_calcButtonAppearance = appearance; }
    // The base's colours, then the keys' from the popup buttons'.
    void SetComponentStyle(TFenloStyle style) override;

protected:
    void Initialize() override;
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void RestoreDropDownValue() override;
    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void HandleCharMessage(QChar &key) override;
    void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift) override;
    void HandleTextChange() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The edit's text may have been typed: the calculator reads it first.
    void takeText();
    void showDisplay();

    TCalculatorEngine m_engine;
    TCalculatorEngine m_atOpening;
    TCustomButtonPanel *m_panel = nullptr;
    bool m_showThousandSeparator = false;
    TButtonAppearance m_calcButtonAppearance;
    // A Delete is being handled: a display it empties shows "0".
    bool m_deleting = false;
};

} // namespace controls
