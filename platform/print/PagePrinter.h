#pragma once
// Where printed pages go: a page size in device pixels and the device's
// resolution, the orientation and the job's title, a canvas on the current
// page and the document's begin, page break, abort and end. The system's
// printers and PDF writers stand behind it; tests record the pages.
#include "platform/draw/Canvas.h"

#include <QSize>
#include <QString>

namespace platform {

enum class TPrinterOrientation { poPortrait, poLandscape };

class TPagePrinter {
public:
    virtual ~TPagePrinter() = default;
    virtual QSize PageSize() const = 0;
    virtual TCanvas &Canvas() = 0;
    virtual void BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    // Ends the document unfinished; a printer that cannot take back what it
    // was given ends it.
    virtual void Abort() { EndDoc(); }

    // Pixels per inch of the device.
    virtual int LogPixelsX() const { return 96; }
    virtual int LogPixelsY() const { return 96; }
    // Set before BeginDoc; the page size follows it.
    virtual TPrinterOrientation Orientation() const { return m_orientation; }
    virtual void SetOrientation(TPrinterOrientation orientation) { m_orientation = orientation; }
    const QString &Title() const { return m_title; }
    virtual void SetTitle(const QString &title) { m_title = title; }

private:
    TPrinterOrientation m_orientation = TPrinterOrientation::poPortrait;
    QString m_title;
};

// The angle by which the printer's driver turns a landscape page: Qt turns
// landscape pages by 90 degrees on every platform.
constexpr int PrinterLandscapeAngle() { return 90; }

} // namespace platform
