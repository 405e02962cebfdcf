#include "formats/CurrentFormat.h"

#include "formats/BankFormatCatalogue.h"
#include "formats/FormatDisplayNames.h"
#include "platform/Dialogs.h"
#include "platform/IniDocument.h"
#include "platform/Sounds.h"

CurrentFormat::CurrentFormat(const BankFormatCatalogue& catalogue, const FormatDisplayNames& names,
                             Dialogs& dialogs, Sounds& sounds, QObject* parent)
    : QObject(parent), m_catalogue(catalogue), m_names(names), m_dialogs(dialogs),
      m_sounds(sounds) {}

const BankFormat* CurrentFormat::format() const {
    return m_catalogue.byNumber(m_number);
}

QString CurrentFormat::indicatorText() const {
    return hasFormat() ? m_names.caption(m_number) : QString::fromUtf8(kNoFormatText);
}

void CurrentFormat::setNumber(int number) {
    if (m_number == number)
        return;
    m_number = number;
    emit currentFormatChanged(number);
}

void CurrentFormat::load(const IniDocument& settings) {
    const int stored =
        settings.readInteger(QString::fromLatin1(kSection), QString::fromLatin1(kKey), 0);
    setNumber(m_catalogue.byNumber(stored) ? stored : kNoFormat);
}

void CurrentFormat::save(IniDocument& settings) const {
    settings.writeInteger(QString::fromLatin1(kSection), QString::fromLatin1(kKey), m_number);
}

bool CurrentFormat::Interface(int number, const InterfaceContext& context) {
    if (!m_catalogue.byNumber(number))
        return false;
    if (!context.chequeFaceShown) {
        emit selectionRefusedOnBack();
        PassingBoxRequest box;
        box.title = QStringLiteral("Onglet non autorisé...");
        box.text = QStringLiteral("L'ouverture de cet onglet n'est pas autorisé en étant sur "
                                  "l'interface du dos de chèques.");
        box.rounds = 101;
        box.waitMs = 20;
        box.width = 550;
        box.height = 127;
        box.okButton = true;
        m_dialogs.passingBox(box);
        return false;
    }
    setNumber(number);
    emit formatSelected(number, context.fromMenu);
    return true;
}

void CurrentFormat::BqDefautClick(bool formatChoiceOpen) {
    if (formatChoiceOpen)
        return;
    setNumber(kNoFormat);
    m_sounds.play(Cue::Son000);
    emit formatChoiceRequested();
}
