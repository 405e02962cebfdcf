#pragma once

#include "formats/ChequeContent.h"
#include "formats/ModeOffsets.h"
#include "formats/PrintFonts.h"
#include "formats/PrintMode.h"

#include <QString>

struct BankFormat;
struct FieldPositions;
class PrintAccessories;
class PrintCanvas;
class Printers;

/// Where and how one cheque is printed.
struct ChequeJob {
    const BankFormat* format = nullptr;
    const FieldPositions* positions = nullptr;
    PrintMode mode = PrintMode::PrintHorizontal;
    ModeOffsets offsets;
    bool stubShown = false;
    int stubHeightMm = 17;
    PrintFonts fonts;
    ChequeContent content;
};

struct PrintOutcome {
    bool printed = false;
    bool aborted = false;
    QString error;      // French, for the user; empty when printed
    QString outputFile; // the PDF written by the built-in printer
};

/// The print routine shared by every format: one document on the selected printer with the
/// accessories and the cheque fields in their fixed order.
class ChequePrintJob {
public:
    explicit ChequePrintJob(Printers& printers);

    /// Prints the cheque; the caller records it afterwards when `printed` is true.
    PrintOutcome PrintChq(const ChequeJob& job, PrintAccessories& accessories);
    /// Stops the running job (Escape); the job then reports `aborted`.
    void abort();
    bool isPrinting() const { return m_canvas != nullptr; }

    static constexpr const char* kJobTitle = "Quilmet";

private:
    Printers& m_printers;
    PrintCanvas* m_canvas = nullptr;
    bool m_abortRequested = false;
};
