#pragma once
// A printer that keeps its pages as images and writes down what it was
// asked, for tests.
#include "platform/print/PagePrinter.h"

#include <QImage>
#include <QStringList>

#include <vector>

namespace platform {

class TRecordingPrinter : public TPagePrinter {
public:
    // A portrait page of Size pixels at Dpi pixels per inch.
    TRecordingPrinter(QSize Size, int Dpi);
    QSize PageSize() const override;
    int LogPixelsX() const override { return FDpi; }
    int LogPixelsY() const override { return FDpi; }
    TCanvas &Canvas() override { return FCanvas; }
    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    void SetTitle(const QString &title) override;
    void SetOrientation(TPrinterOrientation orientation) override;

    // The pages of the last document ended, and the calls in order
    // ("BeginDoc", "NewPage", "Abort", "EndDoc", "Title <text>",
    // "Orientation <0|1>").
    std::vector<QImage> Pages;
    QStringList Calls;
    bool Printing() const { return FPrinting; }

private:
    void openPage();
    void closePage();

    QSize FSize;
    int FDpi;
    bool FPrinting = false;
    std::vector<QImage> FDocument;
    QImage FPage;
    TCanvas FCanvas;
};

} // namespace platform
