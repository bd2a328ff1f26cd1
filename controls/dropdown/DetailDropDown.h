#pragma once
// A drop-down edit offering detail items: a caption, an image and notes in
// mini-HTML under the caption, one item per row of the popup's list. The
// edit holds the chosen caption and completes typed text to the first
// caption that begins with it; while the edit cannot be typed in, keys
// search the list instead.
#include "controls/dropdown/ItemCollection.h"
#include "controls/dropdown/SelectorDropDown.h"

#include <QFont>
#include <QImage>

#include <memory>

namespace controls {

struct TDetailItem {
    QString Caption;
    int ImageIndex = -1;
    QImage Image;
    QString Notes; // mini-HTML under the caption
    int Tag = 0;
    QObject *ItemObject = nullptr;
    bool Enabled = true;
};

class TDetailItems : public TItemCollection<TDetailItem> {
public:
    // The first item captioned exactly so (case matters), or -1.
    int IndexOf(const QString &caption) const;
};

using TDrawSelectedEvent = std::function<void(QObject *Sender, platform::TCanvas &canvas, platform::TRect r)>;

class TExDetailDropDown : public TExSelectorDropDown {
public:
    // The list search's timer; none makes the program's own.
    TExDetailDropDown(TConstructKey key, QWidget *parent, std::unique_ptr<platform::IntervalTimer> searchTimer = {});
    ~TExDetailDropDown() override;

    TDetailItems &Items() { return m_items; }
    int ItemIndex() const override { return m_itemIndex; }
    // An index past the items is ignored; -1 clears the text silently.
    void setItemIndex(int index) override;
    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);
    TItemLayout Layout() const { return m_layout; }
    void setLayout(TItemLayout layout) { m_layout = layout; }
    QFont CaptionFont() const { return m_captionFont; }
    void setCaptionFont(const QFont &font) { m_captionFont = font; }
    QFont NotesFont() const { return m_notesFont; }
    void setNotesFont(const QFont &font) { m_notesFont = font; }
    bool MatchCase() const { return m_matchCase; }
    void setMatchCase(bool matchCase) { m_matchCase = matchCase; }
    // Kept; the completion always matches at the start.
    bool MatchStart() const { return m_matchStart; }
    void setMatchStart(bool matchStart) { m_matchStart = matchStart; }


    const QString &CurrentSearch() const { return keySearch().text(); }

    platform::TNotifyEvent OnSelect;
    TDrawSelectedEvent OnDrawSelectedImage;

protected:
    void Initialize() override;
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void OpenDropDown() override;
    void ComputeDropDownSize() override;
    void RestoreDropDownValue() override;
    void DropDownFormSizing() override;
    void WheelDown() override;
    void WheelUp() override;
    void HandleTextChange() override;
    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void FillSelector() override;
    void SelectorItemSelected() override;
    int itemCount() const override { return m_items.Count(); }

private:
    void itemsChanged();
    void followInList();
    void MeasureDetailItem(QSize &size);
    void DrawDetailItem(platform::TCanvas &canvas, platform::TRect r, int index);
    // Sets the text without completing it.
    void showCaption(const QString &caption);
    bool typingOn() const { return EditorEnabled() && !isReadOnly(); }

    TDetailItems m_items;
    int m_itemIndex = -1;
    int m_itemHeight = 22;
    TItemLayout m_layout = ilCaptionRight;
    QFont m_captionFont;
    QFont m_notesFont;
    int m_oldItemIndex = -1;
    bool m_workMode = true;
    bool m_itemChange = false;
    int m_itemIdx = 0;
    int m_itemSel = 0;
    bool m_matchCase = false;
    bool m_matchStart = true;
    bool m_settingText = false;
    bool m_typing = false;
    // The captions the completion searches, until the items change.
    QStringList m_captions;
};

} // namespace controls
