#pragma once

#include <QObject>
#include <QString>

struct BankFormat;
class BankFormatCatalogue;
class Dialogs;
class FormatDisplayNames;
class IniDocument;
class Sounds;

/// The format the cheques are printed for (CHOIX BANQUE/Banque): 2 to 27, or 1 for none,
/// which shows the welcome entry of the format menu.
class CurrentFormat : public QObject {
    Q_OBJECT
public:
    CurrentFormat(const BankFormatCatalogue& catalogue, const FormatDisplayNames& names,
                  Dialogs& dialogs, Sounds& sounds, QObject* parent = nullptr);

    static constexpr int kNoFormat = 1;

    /// 2 to 27, or kNoFormat.
    int number() const { return m_number; }
    bool hasFormat() const { return m_number != kNoFormat; }
    /// The current format's row; nullptr when none is chosen.
    const BankFormat* format() const;
    /// Text of the indicator lblBqChoisie (and of the current tab's caption).
    QString indicatorText() const;
    /// The menu's welcome entry and its separator show only while no format is chosen.
    bool welcomeEntryVisible() const { return !hasFormat(); }

    /// A stored 2 to 27 becomes current; 0, 1 or anything else leaves no format.
    void load(const IniDocument& settings);
    /// Writes the current number, 1 when no format is chosen.
    void save(IniDocument& settings) const;

    struct InterfaceContext {
        bool chequeFaceShown = true; // false while the back-of-cheque interface is on screen
        bool fromMenu = false;       // the menu asks to bring the format's page to the front
    };
    /// Interface<format>: makes format `number` current, or refuses with a passing message
    /// while the back of the cheque is shown. True when the format became current.
    bool Interface(int number, const InterfaceContext& context);
    /// BqDefautClick: leaves no format current and asks for the format choice; ignored while
    /// that choice is already open.
    void BqDefautClick(bool formatChoiceOpen);

    static constexpr const char* kSection = "CHOIX BANQUE";
    static constexpr const char* kKey = "Banque";
    static constexpr const char* kNoFormatText = "AUCUN FORMAT SÉLECTIONNÉ";

signals:
    void currentFormatChanged(int number);
    /// Interface<format> succeeded: listeners do their part of the preparation (print button,
    /// accounts, beneficiary, stub lines, preview) and, from the menu, bring the page forward.
    void formatSelected(int number, bool fromMenu);
    /// A format was refused while the back of the cheque is shown: the window returns to its
    /// cheque-face height of 420 and shows the side-panel opening buttons.
    void selectionRefusedOnBack();
    /// The format choice dialog has to be opened.
    void formatChoiceRequested();

private:
    void setNumber(int number);

    const BankFormatCatalogue& m_catalogue;
    const FormatDisplayNames& m_names;
    Dialogs& m_dialogs;
    Sounds& m_sounds;
    int m_number = kNoFormat;
};
