#pragma once
// The key of an encrypted wireless meter: 32 hexadecimal characters in a
// small borderless window that opens where the user double-clicked.
#include "app/windows/DialogBase.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QLineEdit;

namespace scan {

class TFInsertKeyWireless : public app::DialogBase {
    Q_OBJECT
public:
    explicit TFInsertKeyWireless(QWidget *parent = nullptr);
    ~TFInsertKeyWireless() override;

    void FormCreate();
    void Set_Lang() override;
    void Btn_OKClick(QObject *Sender);

    // True when every character is a digit or "A" to "F" (empty passes).
    static bool Check_Data(const QString &text);

    // What the user typed; kept between showings.
    QString keyText() const;
    void setKeyText(const QString &text);

private:
    void paintEvent(QPaintEvent *event) override;

    platform::TLabel *L_InsKey;
    QLineEdit *E_Key;
};

inline constexpr QSize InsertKeyClientSize{481, 47};

// The top-left corner of a window of `size` opened at `mouse`, moved left
// and up by as much as it would stick out of `client`.
QPoint placeInside(QPoint mouse, QSize size, const QRect &client);

} // namespace scan
