#pragma once

class PrintCanvas;
class PrintGeometry;

/// What is printed around the cheque fields, each at its moment of the print routine: the
/// letter header and the signature before the fields, the upper stub and the slanted label
/// after them. Each accessory draws nothing while it is switched off.
class PrintAccessories {
public:
    virtual ~PrintAccessories() = default;
    virtual void printHeader(PrintCanvas&, const PrintGeometry&) {}
    virtual void printSignature(PrintCanvas&, const PrintGeometry&) {}
    virtual void printUpperStub(PrintCanvas&, const PrintGeometry&) {}
    virtual void printSlantedLabel(PrintCanvas&, const PrintGeometry&) {}
};
