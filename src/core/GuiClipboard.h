#pragma once

#include "core/Clipboard.h"

/// The desktop clipboard (needs a QGuiApplication).
class GuiClipboard : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
};
