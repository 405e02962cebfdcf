#include "formats/FormatDisplayNames.h"

#include "formats/BankFormatCatalogue.h"
#include "platform/IniDocument.h"

FormatDisplayNames::FormatDisplayNames(const BankFormatCatalogue& catalogue, QObject* parent)
    : QObject(parent), m_catalogue(catalogue) {
    for (const BankFormat& format : catalogue.formats())
        m_names.push_back(format.defaultDisplayName);
}

QString FormatDisplayNames::displayName(int number) const {
    return m_catalogue.byNumber(number)
               ? m_names[std::size_t(number - BankFormatCatalogue::kFirstNumber)]
               : QString();
}

QString FormatDisplayNames::caption(int number) const {
    return BankFormat::caption(displayName(number));
}

void FormatDisplayNames::setDisplayName(int number, const QString& name) {
    const BankFormat* format = m_catalogue.byNumber(number);
    if (!format)
        return;
    const QString kept = name.trimmed().isEmpty() ? format->defaultDisplayName : name;
    QString& current = m_names[std::size_t(number - BankFormatCatalogue::kFirstNumber)];
    if (current == kept)
        return;
    current = kept;
    emit displayNameChanged(number);
}

void FormatDisplayNames::load(const IniDocument& settings) {
    const QString section = QString::fromLatin1(kSection);
    for (const BankFormat& format : m_catalogue.formats())
        setDisplayName(format.number,
                       settings.readString(section, format.nameKey, format.defaultDisplayName));
}

void FormatDisplayNames::save(IniDocument& settings) const {
    const QString section = QString::fromLatin1(kSection);
    for (const BankFormat& format : m_catalogue.formats())
        settings.writeString(section, format.nameKey, displayName(format.number));
}
