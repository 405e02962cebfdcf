#pragma once

#include <QFont>
#include <QString>

/// Width of a text in a font, in pixels of the 96-dpi reference screen, whatever the real
/// screen is: line fitting and fills measure only through this, so they split alike everywhere.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int textWidth(const QString& text, const QFont& font) const = 0;
};
