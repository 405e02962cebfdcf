#pragma once

#include <QString>

/// The system clipboard's text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;

    bool hasText() const { return !text().isEmpty(); }
};
