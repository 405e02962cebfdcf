#pragma once

#include <QObject>
#include <QStringList>

class IniDocument;

/// The beneficiary and amount lists of the cheque face and their priority entries, as the
/// settings file keeps them.
class EntryLists : public QObject {
    Q_OBJECT
public:
    explicit EntryLists(QObject* parent = nullptr);

    struct Priority {
        bool active = false;
        QString text;
    };

    const QStringList& beneficiaries() const { return m_beneficiaries; }
    const QStringList& amounts() const { return m_amounts; }
    void setBeneficiaries(const QStringList& items);
    void setAmounts(const QStringList& items);
    const Priority& priorityBeneficiary() const { return m_priorityBeneficiary; }
    const Priority& priorityAmount() const { return m_priorityAmount; }
    void setPriorityBeneficiary(const Priority& priority) { m_priorityBeneficiary = priority; }
    void setPriorityAmount(const Priority& priority) { m_priorityAmount = priority; }

    /// Items are read from index 0 until the first missing key.
    void load(const IniDocument& settings);
    /// Each list section is written anew, without gaps; a priority counts as active only
    /// with a text.
    void save(IniDocument& settings) const;

signals:
    void changed();

private:
    QStringList m_beneficiaries;
    QStringList m_amounts;
    Priority m_priorityBeneficiary;
    Priority m_priorityAmount;
};
