#pragma once
// A drop-down descendant that hosts a list and logs every step of the
// base it overrides, and the events of the base, in the order they come.
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"

#include <QListWidget>
#include <QPointer>
#include <QStringList>

#include <ostream>

// Readable failures.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace dropdowntest {

class TProbeDropDown : public controls::TExCustomDropDown {
public:
    TProbeDropDown(TConstructKey key, QWidget *parent, QStringList *log = nullptr)
        : TExCustomDropDown(key, parent), m_log(log)
    {
    }

    QListWidget *list = nullptr;
    // The descendant's own value: the list's row as the popup opened.
    int openRow = -1;
    // Raised by Enter while the popup is open, before the base closes it.
    platform::TNotifyEvent OnSelect;
    std::uint32_t packedVersion = 0x01000200;

    std::uint32_t PackedVersion() const override { return packedVersion; }
    void SetComponentStyle(controls::TFenloStyle style) override
    {
        log(QStringLiteral("SetComponentStyle"));
        TExCustomDropDown::SetComponentStyle(style);
    }
    void setSelectionColorStyle(controls::TSelectionColorStyle style) override
    {
        log(QStringLiteral("setSelectionColorStyle"));
        TExCustomDropDown::setSelectionColorStyle(style);
    }
    void AfterCloseDropDown() override
    {
        log(QStringLiteral("AfterCloseDropDown"));
        TExCustomDropDown::AfterCloseDropDown();
    }
    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override
    {
        QPointer<TProbeDropDown> alive(this);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && DroppedDown() && OnSelect) {
            log(QStringLiteral("OnSelect"));
            OnSelect(this);
            if (!alive) {
                key = 0;
                return;
            }
        }
        TExCustomDropDown::HandleKeyDown(key, shift);
    }

    using TExCustomDropDown::frameInset;
    using TExCustomDropDown::userDropDownHeight;
    using TExCustomDropDown::userDropDownWidth;

protected:
    void Initialize() override
    {
        log(QStringLiteral("Initialize"));
        TExCustomDropDown::Initialize();
        log(QStringLiteral("probe's own construction"));
    }
    void EnsureDropDownForm() override
    {
        TExCustomDropDown::EnsureDropDownForm();
        log(QStringLiteral("EnsureDropDownForm"));
        if (!list) {
            list = new QListWidget(DropDownForm());
            for (int i = 1; i <= 20; ++i)
                list->addItem(QStringLiteral("Meter %1").arg(i));
            list->resize(150, 100);
            SetDropDownControl(list);
            SetFocusControl(list);
        }
    }
    void PrepareDropDown() override
    {
        log(QStringLiteral("PrepareDropDown"));
        TExCustomDropDown::PrepareDropDown();
        openRow = list->currentRow();
    }
    void ComputeDropDownSize() override
    {
        log(QStringLiteral("ComputeDropDownSize"));
        TExCustomDropDown::ComputeDropDownSize();
    }
    void PlaceDropDownControl() override
    {
        log(QStringLiteral("PlaceDropDownControl"));
        TExCustomDropDown::PlaceDropDownControl();
    }
    void AdjustDropDownHeight(int &height) override { log(QStringLiteral("AdjustDropDownHeight %1").arg(height)); }
    void FocusDropDownControl() override
    {
        log(QStringLiteral("FocusDropDownControl dropped %1").arg(DroppedDown()));
        TExCustomDropDown::FocusDropDownControl();
    }
    void WheelDown() override { log(QStringLiteral("WheelDown")); }
    void WheelUp() override { log(QStringLiteral("WheelUp")); }
    void RestoreDropDownValue() override
    {
        log(QStringLiteral("RestoreDropDownValue text %1").arg(text()));
        list->setCurrentRow(openRow);
    }

private:
    void log(const QString &line)
    {
        if (m_log)
            *m_log << line;
    }

    QStringList *m_log;
};

} // namespace dropdowntest
