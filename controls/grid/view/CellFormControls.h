#pragma once
// The editors of the form controls a mini-HTML cell may hold: a line edit
// for EDIT, PASSWORD and MASK controls and a combo box for COMBO controls.
// Enter ends the edit; Tab ends it and goes on to the next control of the
// cell, or to the next cell with Navigation.AdvanceAuto.
#include <QComboBox>

#include <QLineEdit>

namespace controls {

class TExStringGrid;

class TControlEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TControlEdit(TExStringGrid *grid);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TExStringGrid *m_grid;
};

class TControlCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TControlCombo(TExStringGrid *grid);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TExStringGrid *m_grid;
};

} // namespace controls
