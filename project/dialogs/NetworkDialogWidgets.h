#pragma once
// The controls of the network dialog's pages, created in their row strips
// under their form names, by which tests find them. A row holds a label at
// the left and a field in the page's field column.
#include <QComboBox>
#include <QString>
#include <QStringList>

class QCheckBox;
class QWidget;
namespace platform {
class TLabel;
}

namespace project {

class RowWidgets {
public:
    static constexpr int PageWidth = 480;
    static constexpr int LabelLeft = 8;
    static constexpr int FieldHeight = 21;

    constexpr RowWidgets(int fieldLeft, int fieldWidth) : m_fieldLeft(fieldLeft), m_fieldWidth(fieldWidth) {}

    // A label in the label column, or at a place of its own.
    static platform::TLabel *labelIn(QWidget *row, const char *name) { return labelAt(row, name, LabelLeft); }
    static platform::TLabel *labelAt(QWidget *parent, const char *name, int left, int top = 4);

    // A field in the field column, or at a place of its own on the row.
    template <class Control>
    Control *fieldIn(QWidget *row, const char *name) const
    {
        return fieldAt<Control>(row, name, m_fieldLeft, m_fieldWidth);
    }
    template <class Control>
    static Control *fieldAt(QWidget *row, const char *name, int left, int width)
    {
        auto *control = new Control(row);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(left, 1, width, FieldHeight);
        return control;
    }

    // A check box across the row, or at a place of its own.
    static QCheckBox *checkBoxIn(QWidget *row, const char *name)
    {
        return checkBoxAt(row, name, LabelLeft, PageWidth - 2 * LabelLeft);
    }
    static QCheckBox *checkBoxAt(QWidget *parent, const char *name, int left, int width);

    // A pick list in the field column showing its first item.
    template <class Combo = QComboBox>
    Combo *pickListIn(QWidget *row, const char *name, const QStringList &items) const
    {
        return pickListIn<Combo>(row, name, items, m_fieldWidth);
    }
    template <class Combo = QComboBox>
    Combo *pickListIn(QWidget *row, const char *name, const QStringList &items, int width) const
    {
        auto *combo = fieldAt<Combo>(row, name, m_fieldLeft, width);
        combo->addItems(items);
        combo->setCurrentIndex(0);
        return combo;
    }

private:
    int m_fieldLeft;
    int m_fieldWidth;
};

} // namespace project
