#pragma once

#include <QObject>
#include <QString>
#include <vector>

class BankFormatCatalogue;
class IniDocument;

/// The display names of the formats (section NOMS BANQUES): menu entries, tabs, indicator.
class FormatDisplayNames : public QObject {
    Q_OBJECT
public:
    explicit FormatDisplayNames(const BankFormatCatalogue& catalogue, QObject* parent = nullptr);

    /// The name as stored, possibly with "&" accelerators; empty for an unknown number.
    QString displayName(int number) const;
    /// The name as shown on tabs and the indicator: without "&".
    QString caption(int number) const;
    /// A blank name brings back the catalogue's name, so that no format goes nameless.
    void setDisplayName(int number, const QString& name);

    void load(const IniDocument& settings);
    void save(IniDocument& settings) const;

    static constexpr const char* kSection = "NOMS BANQUES";

signals:
    void displayNameChanged(int number);

private:
    const BankFormatCatalogue& m_catalogue;
    std::vector<QString> m_names;
};
