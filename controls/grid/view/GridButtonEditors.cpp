// The check-box and push-button editors: a box that toggles in the cell
// and a button whose press runs the grid's ellipsis event on the caption.
#include "controls/grid/base/editors/GridButton.h"
#include "controls/grid/view/SpecialEditor.h"
#include "platform/HandlerGuard.h"
#include "platform/Input.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace controls {

namespace {

// The check box editor: the grid's own check glyph with the caption beside
// it; a press or Space toggles it at once.
class TGridCheckBox final : public QWidget {
public:
    TGridCheckBox(TGridSpecialEditor &editor, QWidget *parent) : QWidget(parent), m_editor(editor)
    {
        setFocusPolicy(Qt::StrongFocus);
    }
    bool Checked() const { return m_checked; }
    void setChecked(bool checked)
    {
        m_checked = checked;
        update();
    }
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption)
    {
        m_caption = caption;
        update();
    }
    void setColor(platform::TColor color)
    {
        m_color = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        platform::guarded([&] {
            TExStringGrid &grid = m_editor.grid();
            platform::TCanvas canvas(this);
            canvas.Brush().setColor(m_color);
            canvas.FillRect(platform::TRect{0, 0, width(), height()});
            const int size = grid.ControlLook().CheckSize;
            const int top = std::max(0, (height() - size) / 2);
            grid.RenderCheckGlyph(canvas, platform::TRect{2, top, 2 + size, top + size}, m_checked, 0, false,
                                  grid.ControlLook().ControlStyle, false, isEnabled());
            canvas.Font().Assign(grid.Font());
            platform::TRect text{size + 6, 0, width(), height()};
            canvas.TextRect(text, m_caption, platform::TTextFormat{platform::DT_VCENTER | platform::DT_SINGLELINE | platform::DT_NOPREFIX});
        });
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            setChecked(!m_checked);
        QWidget::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        bool handled = false;
        platform::guarded([&] { handled = gridKey(event); });
        if (!handled)
            QWidget::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QWidget::focusOutEvent(event);
        platform::guarded([&] { m_editor.focusLeft(); });
    }

private:
    bool gridKey(QKeyEvent *event)
    {
        const std::uint16_t key = platform::virtualKey(event->key());
        const platform::TShiftState shift = platform::shiftState(event->modifiers());
        switch (key) {
        case platform::VK_SPACE:
            setChecked(!m_checked);
            return true;
        case platform::VK_RETURN:
        case platform::VK_PRIOR:
        case platform::VK_NEXT:
        case platform::VK_END:
        case platform::VK_LEFT:
        case platform::VK_UP:
        case platform::VK_RIGHT:
        case platform::VK_DOWN:
            break;
        default:
            return false;
        }
        TExStringGrid &grid = m_editor.grid();
        grid.HideInplaceEdit();
        grid.setFocus();
        if (key == platform::VK_RETURN)
            grid.AdvanceToNextCell(grid.Col(), grid.Row(), false, true, true, false, true);
        else if (key == platform::VK_UP || key == platform::VK_DOWN)
            grid.KeyDown(key, shift);
        return true;
    }
    TGridSpecialEditor &m_editor;
    bool m_checked = false;
    QString m_caption;
    platform::TColor m_color = platform::clWindow;
};

class TCheckBoxEditor final : public TGridSpecialEditor {
public:
    explicit TCheckBoxEditor(TExStringGrid &grid) : TGridSpecialEditor(grid), m_box(new TGridCheckBox(*this, &grid)) {}
    QWidget *widget() const override { return m_box; }
    void open(const TEditorOpening &at) override
    {
        m_box->setGeometry(at.cell);
        m_box->setCaption(at.text);
        m_box->setColor(at.color);
        m_box->setEnabled(true);
        m_box->setChecked(false);
        m_box->show();
    }
    // The box edits nothing of the cell's text.
    std::optional<QString> value() const override { return std::nullopt; }
    bool takesStartChar() const override { return false; }

private:
    QPointer<TGridCheckBox> m_box;
};

class TGridButton final : public TExGridButton {
public:
    TGridButton(TGridSpecialEditor &editor, QWidget *parent) : TExGridButton(parent), m_editor(editor)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const bool left = event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        TExGridButton::mouseReleaseEvent(event);
        if (left && parentWidget() == &m_editor.grid())
            platform::guarded([&] { press(); });
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        bool handled = false;
        platform::guarded([&] { handled = gridKey(event); });
        if (!handled)
            TExGridButton::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent *event) override
    {
        TExGridButton::keyReleaseEvent(event);
        if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
            platform::guarded([&] {
                press();
                setFocus();
                update();
            });
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        TExGridButton::focusOutEvent(event);
        platform::guarded([&] { m_editor.focusLeft(); });
    }

private:
    void press()
    {
        TExStringGrid &grid = m_editor.grid();
        QString result;
        grid.DoEllipsClick(Caption(), result);
        setCaption(result);
        if (grid.CurrentCell() != result)
            grid.setCurrentCell(result);
    }
    bool gridKey(QKeyEvent *event)
    {
        const std::uint16_t key = platform::virtualKey(event->key());
        const platform::TShiftState shift = platform::shiftState(event->modifiers());
        TExStringGrid &grid = m_editor.grid();
        if (key >= platform::VK_LEFT && key <= platform::VK_DOWN) {
            grid.HideInplaceEdit();
            grid.setFocus();
            grid.KeyDown(key, shift);
            return true;
        }
        if (key == platform::VK_ESCAPE) {
            grid.HideInplaceEdit();
            grid.FlushCellCache();
            grid.setFocus();
            return true;
        }
        return false;
    }
    TGridSpecialEditor &m_editor;
};

class TButtonEditor final : public TGridSpecialEditor {
public:
    explicit TButtonEditor(TExStringGrid &grid) : TGridSpecialEditor(grid), m_button(new TGridButton(*this, &grid)) {}
    QWidget *widget() const override { return m_button; }
    void open(const TEditorOpening &at) override
    {
        // The button covers the grid lines around the cell.
        m_button->setGeometry(at.cell.adjusted(-1, -1, 1, 1));
        m_button->setCaption(at.text);
        m_button->show();
        m_button->setEnabled(true);
    }
    // The press writes the cell itself.
    std::optional<QString> value() const override { return std::nullopt; }
    bool takesStartChar() const override { return false; }

private:
    QPointer<TGridButton> m_button;
};

} // namespace

std::unique_ptr<TGridSpecialEditor> makeGridCheckBox(TExStringGrid &grid)
{
    return std::make_unique<TCheckBoxEditor>(grid);
}

std::unique_ptr<TGridSpecialEditor> makeGridButton(TExStringGrid &grid) { return std::make_unique<TButtonEditor>(grid); }

} // namespace controls
