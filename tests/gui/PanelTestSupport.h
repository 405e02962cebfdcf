#pragma once

#include "app/ChequeSession.h"
#include "support/FakePrinters.h"
#include "support/FixedWidthTextMeasurer.h"
#include "support/TestPlatform.h"

#include <QSpinBox>
#include <QTabWidget>
#include <memory>

/// PageCtrlBase as the main window builds it: the 23 named, empty settings pages.
std::unique_ptr<QTabWidget> makePageCtrlBase();

/// A session on a first start (no settings file), its panel filled.
struct PanelFixture {
    PanelFixture();

    template <typename T> T* find(const QString& name) const { return pages->findChild<T*>(name); }
    /// Types `text` over the whole content of a spin edit, as a user would.
    static void retype(QSpinBox* spin, const QString& text);

    TestPlatform tp;
    FixedWidthTextMeasurer measurer;
    FakePrinters printers;
    ChequeSession session{tp.platform(), measurer, printers};
    std::unique_ptr<QTabWidget> pages;
};
