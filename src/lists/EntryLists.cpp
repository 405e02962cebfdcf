#include "lists/EntryLists.h"

#include "platform/IniDocument.h"

namespace {

const QString kShow = QStringLiteral("SHOW");

QStringList readList(const IniDocument& settings, const QString& section, const QString& prefix) {
    QStringList items;
    for (int i = 0;; ++i) {
        const QString key = prefix + QString::number(i);
        if (!settings.valueExists(section, key))
            return items;
        items << settings.readString(section, key, {});
    }
}

void writeList(IniDocument& settings, const QString& section, const QString& prefix,
               const QStringList& items) {
    settings.eraseSection(section);
    for (qsizetype i = 0; i < items.size(); ++i)
        settings.writeString(section, prefix + QString::number(i), items[i]);
}

} // namespace

EntryLists::EntryLists(QObject* parent) : QObject(parent) {}

void EntryLists::setBeneficiaries(const QStringList& items) {
    m_beneficiaries = items;
    emit changed();
}

void EntryLists::setAmounts(const QStringList& items) {
    m_amounts = items;
    emit changed();
}

void EntryLists::load(const IniDocument& settings) {
    m_priorityBeneficiary = {settings.readBool(kShow, u"BenefPrior", false),
                             settings.readString(kShow, u"BenefPriorText", {})};
    m_priorityAmount = {settings.readBool(kShow, u"SomPrior", false),
                        settings.readString(kShow, u"SomPriorText", {})};
    m_beneficiaries = readList(settings, QStringLiteral("LISTBENEF"), QStringLiteral("LB"));
    m_amounts = readList(settings, QStringLiteral("LISTSOMMES"), QStringLiteral("LS"));
    emit changed();
}

void EntryLists::save(IniDocument& settings) const {
    settings.writeBool(kShow, u"BenefPrior",
                       m_priorityBeneficiary.active && !m_priorityBeneficiary.text.isEmpty());
    settings.writeString(kShow, u"BenefPriorText", m_priorityBeneficiary.text);
    settings.writeBool(kShow, u"SomPrior",
                       m_priorityAmount.active && !m_priorityAmount.text.isEmpty());
    settings.writeString(kShow, u"SomPriorText", m_priorityAmount.text);
    writeList(settings, QStringLiteral("LISTBENEF"), QStringLiteral("LB"), m_beneficiaries);
    writeList(settings, QStringLiteral("LISTSOMMES"), QStringLiteral("LS"), m_amounts);
}
