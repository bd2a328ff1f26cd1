#pragma once
// The editors of fixed cells: a line edit and a combo box that the grid
// opens over a header cell. Leaving them stores the text when
// OnCellValidate lets it; a refused text keeps the editor open and focused
// on its cell.
#include <QComboBox>
#include <QLineEdit>

namespace controls {

class TExStringGrid;

class TGridTransEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TGridTransEdit(TExStringGrid *grid);
    // Validates and stores; false when the text was refused.
    bool StopEdit();
    int FCol = -1; // real column
    int FRow = -1;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TExStringGrid *FGrid;
};

class TGridTransCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TGridTransCombo(TExStringGrid *grid);
    bool StopEdit();
    int FCol = -1;
    int FRow = -1;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TExStringGrid *FGrid;
};

} // namespace controls
