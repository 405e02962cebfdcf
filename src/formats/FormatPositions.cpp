#include "formats/FormatPositions.h"

#include "formats/BankFormatCatalogue.h"
#include "formats/FormatDisplayNames.h"
#include "platform/Dialogs.h"
#include "platform/IniDocument.h"

namespace {

std::size_t indexOf(int number) {
    return std::size_t(number - BankFormatCatalogue::kFirstNumber);
}

} // namespace

FormatPositions::FormatPositions(const BankFormatCatalogue& catalogue,
                                 const FormatDisplayNames& names, Dialogs& dialogs, QObject* parent)
    : QObject(parent), m_catalogue(catalogue), m_names(names), m_dialogs(dialogs) {
    for (const BankFormat& format : catalogue.formats())
        m_positions.push_back(format.startupPositions);
    // As designed, every default button is enabled until the start-up check.
    m_buttonEnabled.assign(m_positions.size(), true);
}

const FieldPositions& FormatPositions::positions(int number) const {
    static const FieldPositions none;
    return m_catalogue.byNumber(number) ? m_positions[indexOf(number)] : none;
}

void FormatPositions::setValue(int number, int field, int value) {
    const BankFormat* format = m_catalogue.byNumber(number);
    if (!format || !format->hasField(field))
        return;
    FieldPositions& positions = m_positions[indexOf(number)];
    const int before = positions.field(field);
    positions.setField(field, value);
    if (positions.field(field) != before)
        emit positionChanged(number, field, positions.field(field));
}

int FormatPositions::positionFromText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

void FormatPositions::load(const IniDocument& settings) {
    const QString section = QString::fromLatin1(kSection);
    for (const BankFormat& format : m_catalogue.formats())
        for (int field : format.fieldNumbers()) {
            const QString stored =
                settings.readString(section, format.positionKey(field),
                                    QString::number(format.startupPositions.field(field)));
            setValue(format.number, field, positionFromText(stored));
        }
}

void FormatPositions::save(IniDocument& settings) const {
    const QString section = QString::fromLatin1(kSection);
    for (const BankFormat& format : m_catalogue.formats())
        for (int field : format.fieldNumbers())
            settings.writeInteger(section, format.positionKey(field), value(format.number, field));
}

bool FormatPositions::isAtFactoryValues(int number) const {
    const BankFormat* format = m_catalogue.byNumber(number);
    if (!format)
        return false;
    const FieldPositions& current = positions(number);
    for (int field : format->fieldNumbers())
        if (current.field(field) != format->factoryPositions.field(field))
            return false;
    return true;
}

bool FormatPositions::defaultButtonEnabled(int number) const {
    return m_catalogue.byNumber(number) && m_buttonEnabled[indexOf(number)];
}

void FormatPositions::setDefaultButtonEnabled(int number, bool enabled) {
    if (m_buttonEnabled[indexOf(number)] == enabled)
        return;
    m_buttonEnabled[indexOf(number)] = enabled;
    emit defaultButtonEnabledChanged(number, enabled);
}

void FormatPositions::DisableBtnParDefaut() {
    for (const BankFormat& format : m_catalogue.formats())
        setDefaultButtonEnabled(format.number, !isAtFactoryValues(format.number));
}

void FormatPositions::EditBqChange(int number, int field, const QString& text) {
    const BankFormat* format = m_catalogue.byNumber(number);
    if (!format || !format->hasField(field))
        return;
    const int before = value(number, field);
    setValue(number, field, positionFromText(text));
    // The field shows the kept value again (an emptied field reads "0").
    if (value(number, field) == before)
        emit positionChanged(number, field, before);
    emit chequeRedrawRequested();
    if (!defaultButtonEnabled(number))
        m_dialogs.information(QStringLiteral("Format de chèques en cours : ") +
                                  m_names.caption(number),
                              adviceText());
    setDefaultButtonEnabled(number, true);
}

void FormatPositions::BtnParDefautClick(int number) {
    const BankFormat* format = m_catalogue.byNumber(number);
    if (!format)
        return;
    const bool restore = m_dialogs.question(
        QStringLiteral("Votre attention s'il vous plaît..."),
        QStringLiteral("Souhaitez-vous remettre les réglages d'origines de ce format de "
                       "chèque\r\n") +
            m_names.caption(number) + QStringLiteral(" en cours ?"),
        DialogButton::No, DialogIcon::Warning);
    if (restore) {
        for (int field : format->fieldNumbers())
            setValue(number, field, format->factoryPositions.field(field));
        setDefaultButtonEnabled(number, false);
    }
    emit chequeRedrawRequested();
}

const QString& FormatPositions::adviceText() {
    static const QString text = QStringLiteral(
        "IL EST CONSEILLÉ, UNE FOIS TERMINÉ LE RÉGLAGE DE CES CHAMPS\r\n\r\nD'effectuer une "
        "sauvegarde de votre fichier d'initialisation d'Quilmet, mémorisant ces réglages de "
        "disposition de champs, et de tous les autres paramètres de ce programme d'édition de "
        "chèques.\r\n\r\nVous avez le choix entre :\r\n\r\n1. Sauvegarder directement une copie "
        "dans votre dossier attitré d'Quilmet.\r\n(Clic sur la deuxième icône en haut de "
        "l'interface principale > clic sur icône \"bouée rouge\")\r\n\r\n2. Sauvegarder une "
        "copie de \"Quilcfg.ini\" directement sur votre bureau.\r\n(Clic sur la deuxième icône "
        "en haut de l'interface principale > clic sur icône \"bouée verte\")\r\n\r\nIMPORTANT : "
        "dans ces deux choix, faut auparavant redémarrer Quilmet, afin que ces paramètres "
        "soient effectivement mémorisés en ce précieux fichier d'initialisation d'Quilmet "
        "nommé \"Quilcfg.ini\".\r\nEnsuite une fois redémarré ; n'oubliez pas d'effectuer "
        "l'une ou ces deux options différentes de sauvegardes.");
    return text;
}
