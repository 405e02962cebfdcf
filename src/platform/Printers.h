#pragma once

#include "platform/PrintCanvas.h"
#include "platform/PrinterGeometry.h"

#include <QString>
#include <QStringList>
#include <memory>

/// The printers the program can print on: the system's, in the system's order, then the
/// built-in "PDF" printer that is always there.
class Printers {
public:
    virtual ~Printers() = default;

    virtual QStringList names() const = 0;
    virtual int selected() const = 0;
    virtual void select(int index) = 0;
    virtual PrinterGeometry geometry() const = 0;
    /// A canvas for one job on the selected printer.
    virtual std::unique_ptr<PrintCanvas> openJob() = 0;
    /// The file the last job wrote, for the built-in PDF printer; empty otherwise.
    virtual QString lastOutputFile() const = 0;

    static constexpr const char* kPdfPrinterName = "PDF";
};
