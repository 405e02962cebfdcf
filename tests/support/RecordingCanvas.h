#pragma once

#include "platform/PrintCanvas.h"

#include <vector>

/// Keeps every drawing call, so a layout is checked in device pixels without paper.
class RecordingCanvas : public PrintCanvas {
public:
    struct Text {
        QPoint topLeft;
        QString text;
        QFont font;
        QColor colour;
        int tenthsOfDegree = 0;
    };

    bool beginDocument(const QString& title, QPageLayout::Orientation orientation) override {
        this->title = title;
        this->orientation = orientation;
        begun = true;
        return true;
    }
    void setFont(const QFont& font) override { m_font = font; }
    void setTextColour(const QColor& colour) override { m_colour = colour; }
    void drawText(QPoint topLeft, const QString& text) override {
        texts.push_back({topLeft, text, m_font, m_colour, 0});
    }
    void drawRotatedText(QPoint topLeft, int tenths, const QString& text) override {
        texts.push_back({topLeft, text, m_font, m_colour, tenths});
    }
    void drawImage(const QRect& target, const QImage&) override { images.push_back(target); }
    void drawRichText(const QRect& target, const QTextDocument&) override {
        richTexts.push_back(target);
    }
    bool endDocument() override {
        ended = true;
        return !aborted;
    }
    void abort() override { aborted = true; }
    QString errorString() const override { return {}; }

    /// The first text drawn that equals `text`, or nullptr.
    const Text* find(const QString& text) const {
        for (const Text& t : texts) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }

    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool begun = false;
    bool ended = false;
    bool aborted = false;
    std::vector<Text> texts;
    std::vector<QRect> images;
    std::vector<QRect> richTexts;

private:
    QFont m_font;
    QColor m_colour = Qt::black;
};
