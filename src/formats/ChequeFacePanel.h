#pragma once

#include "formats/PrintMode.h"

#include <QFrame>
#include <array>

class ChequeSession;
class EntryLineEdit;
class QLabel;
class QPushButton;
class QToolButton;
class QMenu;

/// The face of the cheque (`RbPanelFaceCheque`, 654 × 267): the entry fields at the screen
/// image of the current format's positions, the words lines, the print button with the
/// print-mode pictures, and the bottom strip with the current-format label and number panels.
class ChequeFacePanel : public QFrame {
    Q_OBJECT
public:
    explicit ChequeFacePanel(ChequeSession& session, QWidget* parent = nullptr);

    /// Moves the fields and their companions to the current format's positions.
    void SeeScreenLines();
    QColor faceColour() const;
    void setFaceColour(const QColor& colour);
    /// Shows the hide button (expanded) or the show button (collapsed) of the settings.
    void setSettingsShown(bool shown);
    void focusAmount();

signals:
    /// Click on `lblBqChoisie`: the formats menu at the mouse position.
    void formatMenuRequested(const QPoint& globalPos);
    void MontrerVoletRequested();
    void CacherVoletRequested();
    /// Click on a number panel, its caption or the hint zone.
    void accountWindowRequested();
    /// Double-click on the date.
    void calendarRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields();
    void buildPrintArea();
    void buildBottomStrip();
    void buildNumberPanels();
    void bindEntry();
    void bindWords();
    void applyFonts();
    void refreshAmount();
    void refreshField(int field);
    void refreshWordLine(int line);
    void refreshPictures();
    void refreshPicture(PrintMode mode);
    void refreshAccount();
    void refreshFormatLabel();
    void setHoverStyle(QLabel* label, bool hovered);
    bool amountKey(QKeyEvent* event);
    EntryLineEdit* textField(const char* name, int maxLength, QSize size);
    QLabel* companionLabel(const char* name, const QString& text, int pixelSize);
    QFrame* line(const char* name, int width);

    ChequeSession& m_session;
    std::array<QLabel*, 3> m_wordLines{};
    EntryLineEdit* m_beneficiary = nullptr;
    QLabel* m_labelBenef = nullptr;
    QFrame* m_ligneBeneficiaire = nullptr;
    QToolButton* m_gommeBeneficiaire = nullptr;
    QFrame* m_rbPanel3 = nullptr;
    EntryLineEdit* m_amount = nullptr;
    QPushButton* m_btnConvertir = nullptr;
    QPushButton* m_btnRelaisConvertir = nullptr;
    EntryLineEdit* m_place = nullptr;
    QLabel* m_labelA = nullptr;
    QFrame* m_ligneA = nullptr;
    EntryLineEdit* m_date = nullptr;
    QLabel* m_labelLE = nullptr;
    QFrame* m_ligneLE = nullptr;
    QPushButton* m_btnPrint = nullptr;
    std::array<QLabel*, 7> m_pictures{};
    QMenu* m_printModeMenu = nullptr;
    QLabel* m_lblBqChoisie = nullptr;
    QToolButton* m_btnMontrerVolet = nullptr;
    QToolButton* m_btnCacherVolet = nullptr;
    QFrame* m_hintZone = nullptr;
    QLabel* m_accountPanel = nullptr;
    QLabel* m_chequePanel = nullptr;
    std::array<QLabel*, 2> m_numberCaptions{};
    std::array<QFrame*, 3> m_accountMarks{};
    QLabel* m_accountIndicator = nullptr;
};
