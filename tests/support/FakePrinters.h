#pragma once

#include "platform/Printers.h"
#include "support/RecordingCanvas.h"

#include <deque>

/// One printer of a chosen resolution; every job is recorded.
class FakePrinters : public Printers {
public:
    explicit FakePrinters(PrinterGeometry geometry = {300, 300, 0, 0}) : printer(geometry) {}

    QStringList names() const override { return {QStringLiteral("Essai"), QStringLiteral("PDF")}; }
    int selected() const override { return 0; }
    void select(int) override {}
    PrinterGeometry geometry() const override { return printer; }
    std::unique_ptr<PrintCanvas> openJob() override {
        auto canvas = std::make_unique<ForwardingCanvas>(jobs.emplace_back());
        return canvas;
    }
    QString lastOutputFile() const override { return {}; }

    PrinterGeometry printer;
    std::deque<RecordingCanvas> jobs; // stable addresses while jobs are added

private:
    // The job's canvas is owned by the print routine; the recording stays here.
    class ForwardingCanvas : public PrintCanvas {
    public:
        explicit ForwardingCanvas(RecordingCanvas& target) : m_target(target) {}
        bool beginDocument(const QString& t, QPageLayout::Orientation o) override {
            return m_target.beginDocument(t, o);
        }
        void setFont(const QFont& f) override { m_target.setFont(f); }
        void setTextColour(const QColor& c) override { m_target.setTextColour(c); }
        void drawText(QPoint p, const QString& t) override { m_target.drawText(p, t); }
        void drawRotatedText(QPoint p, int a, const QString& t) override {
            m_target.drawRotatedText(p, a, t);
        }
        void drawImage(const QRect& r, const QImage& i) override { m_target.drawImage(r, i); }
        void drawRichText(const QRect& r, const QTextDocument& d) override {
            m_target.drawRichText(r, d);
        }
        bool endDocument() override { return m_target.endDocument(); }
        void abort() override { m_target.abort(); }
        QString errorString() const override { return m_target.errorString(); }

    private:
        RecordingCanvas& m_target;
    };
};
