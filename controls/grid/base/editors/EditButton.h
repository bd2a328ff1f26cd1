#pragma once
// An edit with a small push button at its right end (F4 presses it too),
// and the unit edit on top of it: a value followed by a unit that the
// button lets the user choose from a list.
#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/Color.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Bitmap.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>



namespace controls {

class TEsgEditButton;

// A speed button with a hot look, painting in its holder's colours.
class TExSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit TExSpeedButton(TEsgEditButton &holder);

    bool IsWinXP = false;
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const platform::TBitmap &Glyph() const { return m_glyph; }
    void setGlyph(const platform::TBitmap &glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count);
    bool Hot() const { return m_hot; }
    bool Pressed() const { return m_pressed; }

    QImage paintFace() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paint(platform::TCanvas &canvas) const;

    TEsgEditButton &m_holder;
    bool m_flat = false;
    bool m_hot = false;
    bool m_pressed = false;
    QString m_caption;
    platform::TBitmap m_glyph;
    int m_numGlyphs = 1;
};

// The window that holds the speed button, which covers all of it.
class TEsgEditButton : public QWidget, public TButtonColors {
    Q_OBJECT
public:
    explicit TEsgEditButton(QWidget *parent = nullptr);

    TExSpeedButton *Button() const { return m_button; }
    // Takes the focus after a click.
    QWidget *FocusControl() const { return m_focusControl; }
    void setFocusControl(QWidget *control) { m_focusControl = control; }
    bool Flat() const { return m_button->Flat(); }
    void setFlat(bool flat) { m_button->setFlat(flat); }


    platform::TNotifyEvent OnClick;

    // A left-button release on the speed button.
    void buttonReleased();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    TExSpeedButton *m_button;
    QPointer<QWidget> m_focusControl;
};

class TEsgEditBtn : public QLineEdit {
    Q_OBJECT
public:
    explicit TEsgEditBtn(QWidget *parent = nullptr);

    TEsgEditButton *EditButton() const { return m_button; }

    QString ButtonCaption() const { return m_button->Button()->Caption(); }
    void setButtonCaption(const QString &caption) { m_button->Button()->setCaption(caption); }
    const platform::TBitmap &Glyph() const { return m_button->Button()->Glyph(); }
    void setGlyph(const platform::TBitmap &glyph) { m_button->Button()->setGlyph(glyph); }
    int NumGlyphs() const { return m_button->Button()->NumGlyphs(); }
    void setNumGlyphs(int count) { m_button->Button()->setNumGlyphs(count); }
    int ButtonWidth() const { return m_button->width(); }
    void setButtonWidth(int width);
    bool IsWinXP() const { return m_isWinXP; }
    void setIsWinXP(bool xp);
    bool RightAlign() const { return m_rightAlign; }
    void setRightAlign(bool right);
    // Typing, pasting and cutting; the button works either way.
    bool EditorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool enabled) { m_editorEnabled = enabled; }
    bool BorderSingle() const { return hasFrame(); }
    void setBorderSingle(bool single);
    bool AutoSelect = true;

    platform::TNotifyEvent OnClickBtn;

    // Raised by the button and by F4.
    virtual void ButtonClick();

    virtual void HandleKeyDown(int &key, Qt::KeyboardModifiers shift);
    virtual void HandleCharMessage(QChar &key);
    virtual void HandleKeyPress(QChar &key) {}

    int minimumEditHeight() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

    // Pixels kept free for a unit between the text and the button.
    int unitSize() const { return m_unitSize; }
    void setUnitSize(int size);
    void layoutEdit();

private:
    bool editable() const { return m_editorEnabled && !isReadOnly(); }

    TEsgEditButton *m_button;
    bool m_isWinXP = false;
    bool m_rightAlign = false;
    bool m_editorEnabled = true;
    int m_unitSize = 0;
};

class TEsgUnitEditBtn : public TEsgEditBtn {
    Q_OBJECT
public:
    explicit TEsgUnitEditBtn(QWidget *parent = nullptr);

    const QStringList &Units() const { return m_units; }
    void setUnits(const QStringList &units) { m_units = units; }
    QString UnitID() const { return m_unitID; }
    void setUnitID(const QString &unit);
    int UnitSpace() const { return unitSize(); }
    void setUnitSpace(int space);

    // The text followed by the unit. Writing splits at the first unit of
    // the list whose first occurrence ends the text; when none does,
    // nothing changes.
    QString TextAndUnit() const { return text() + m_unitID; }
    void setTextAndUnit(const QString &value);

    std::function<void(QObject *Sender, const QString &unit)> OnUnitChanged;

    // Raises OnClickBtn, then offers the units.
    void ButtonClick() override;
    // The k-th unit of the list (from 1) was chosen.
    void UnitCommand(int k);
    QMenu *unitMenu() const { return m_menu; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_units;
    QString m_unitID;
    QPointer<QMenu> m_menu;
};

} // namespace controls
