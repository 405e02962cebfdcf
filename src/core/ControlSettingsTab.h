#pragma once

#include <QWidget>

class ChequeEntry;
class LineFitting;

/// The tabs "Paramètres de contrôle 1" (decimals, "Zones de reset", date format and
/// LabelCurrency) and "Paramètres de contrôle 2" (control lines and the beneficiary fill).
class ControlSettingsTab : public QWidget {
    Q_OBJECT
public:
    enum class Page { First, Second };

    ControlSettingsTab(Page page, ChequeEntry& entry, LineFitting& fitting,
                       QWidget* parent = nullptr);

private:
    void buildFirst();
    void buildSecond();
    void refresh();

    Page m_page;
    ChequeEntry& m_entry;
    LineFitting& m_fitting;
};
