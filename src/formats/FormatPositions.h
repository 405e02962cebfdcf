#pragma once

#include "formats/FieldPositions.h"

#include <QObject>
#include <QString>
#include <vector>

class BankFormatCatalogue;
class Dialogs;
class FormatDisplayNames;
class IniDocument;

/// The current positions of every format (section BANQUES) and the state of each format's
/// default button, with the rules of the settings tabs.
class FormatPositions : public QObject {
    Q_OBJECT
public:
    FormatPositions(const BankFormatCatalogue& catalogue, const FormatDisplayNames& names,
                    Dialogs& dialogs, QObject* parent = nullptr);

    /// Positions of format 2 to 27; empty positions for any other number.
    const FieldPositions& positions(int number) const;
    int value(int number, int field) const { return positions(number).field(field); }
    /// Sets a field without the rules of a user's change (loading, restoring); the value is
    /// kept within the field's range, fields the format lacks are ignored.
    void setValue(int number, int field, int value);

    /// Reads every position as text; a missing key gives the start-up value, a value that is
    /// not a whole number gives 0, and numbers are kept within the field's range.
    void load(const IniDocument& settings);
    /// Writes every position of every format as a decimal integer.
    void save(IniDocument& settings) const;

    bool isAtFactoryValues(int number) const;
    bool defaultButtonEnabled(int number) const;

    /// Start-up check: a format's default button is enabled only when some field differs
    /// from its factory value.
    void DisableBtnParDefaut();
    /// The user changed field `field` of format `number` to `text` (Edit<n>Bq<suffix>Change):
    /// an emptied field becomes 0; the first change after the factory values shows advice.
    void EditBqChange(int number, int field, const QString& text);
    /// The format's default button (Btn<format>ParDefautClick): asks, and on "Oui" restores the
    /// factory values and disables the button.
    void BtnParDefautClick(int number);

    static constexpr const char* kSection = "BANQUES";
    static const QString& adviceText();

signals:
    void positionChanged(int number, int field, int value);
    void defaultButtonEnabledChanged(int number, bool enabled);
    /// The on-screen cheque has to be drawn again.
    void chequeRedrawRequested();

private:
    void setDefaultButtonEnabled(int number, bool enabled);
    static int positionFromText(const QString& text);

    const BankFormatCatalogue& m_catalogue;
    const FormatDisplayNames& m_names;
    Dialogs& m_dialogs;
    std::vector<FieldPositions> m_positions;
    std::vector<bool> m_buttonEnabled;
};
