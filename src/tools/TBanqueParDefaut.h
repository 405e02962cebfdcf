#pragma once

#include <QDialog>
#include <QTimer>

class CurrentFormat;
class QLabel;
class QPushButton;
class QStackedLayout;

/// The welcome window shown while no bank format is chosen ("Format d'impression de
/// chèques..."): its button opens the formats menu; once a format is chosen it says so and
/// closes itself at the next five-second tick.
class TBanqueParDefaut : public QDialog {
    Q_OBJECT
public:
    TBanqueParDefaut(const CurrentFormat& current, QWidget* parent = nullptr);

signals:
    /// "Choisir votre format d'impression de chèques": the formats menu has to pop up.
    void formatMenuRequested();

private:
    void ChoisirBtnClick();
    void halfSecondTick();
    void fiveSecondTick();

    const CurrentFormat& m_current;
    QTimer m_halfSecond;
    QTimer m_fiveSeconds;
    QPushButton* m_choisirBtn = nullptr;
    QLabel* m_validated = nullptr;
    QStackedLayout* m_choice = nullptr;
};
