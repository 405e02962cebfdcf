#pragma once

#include <QWidget>
#include <span>

struct BankFormat;
class FormatDisplayNames;
class FormatPositions;
class QLabel;
class QPushButton;

/// The settings tab of one bank format: its position spin edits `Edit<n>Bq<suffix>` in the
/// horizontal and vertical boxes, and its default button.
class FormatTab : public QWidget {
    Q_OBJECT
public:
    FormatTab(const BankFormat& format, FormatPositions& positions, const FormatDisplayNames& names,
              QWidget* parent = nullptr);

    int formatNumber() const { return m_number; }

private:
    QWidget* positionBox(const QString& title, const QString& hint, std::span<const int> fields,
                         int rows);
    void showValue(int field, int value);

    FormatPositions& m_positions;
    const FormatDisplayNames& m_names;
    int m_number;
    QString m_editSuffix;
    QPushButton* m_defaultButton = nullptr;
    QLabel* m_caption = nullptr;
};
