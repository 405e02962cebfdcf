#include "app/SettingsSequence.h"

#include "platform/IniFile.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QVariant fallbackOf(const SettingKey& key) {
    switch (key.kind) {
    case SettingKind::Integer:
        return text(key.fallback).toInt();
    case SettingKind::Bool:
    case SettingKind::InvertedBool:
        return text(key.fallback) == u"1";
    case SettingKind::Text:
    case SettingKind::Block:
        break;
    }
    return text(key.fallback);
}

} // namespace

SettingsSequence::SettingsSequence() {
    for (const SettingKey& key : settingKeys())
        m_bindings[id(text(key.section), text(key.key))].value = fallbackOf(key);
}

QString SettingsSequence::id(const QString& section, const QString& key) {
    return (section + QLatin1Char('/') + key).toCaseFolded();
}

void SettingsSequence::bind(const QString& section, const QString& key, Getter get, Setter set) {
    Binding& binding = m_bindings[id(section, key)];
    binding.get = std::move(get);
    binding.set = std::move(set);
}

void SettingsSequence::bindOwner(const QString& owner, ModelLoader load, ModelSaver save) {
    m_owners.insert(owner, {std::move(load), std::move(save)});
}

QVariant SettingsSequence::value(const QString& section, const QString& key) const {
    const auto it = m_bindings.constFind(id(section, key));
    if (it == m_bindings.cend())
        return {};
    return it->get ? it->get() : it->value;
}

void SettingsSequence::setValue(const QString& section, const QString& key, const QVariant& value) {
    Binding& binding = m_bindings[id(section, key)];
    binding.value = value;
    if (binding.set)
        binding.set(value);
}

void SettingsSequence::loadKey(const SettingKey& key, const IniDocument& document) {
    const QString section = text(key.section);
    const QString name = text(key.key);
    Binding& binding = m_bindings[id(section, name)];
    if (key.kind == SettingKind::Block)
        return;
    if (key.guarded && !document.valueExists(section, name))
        return;
    if (key.guardKey && !document.valueExists(section, text(key.guardKey)))
        return;
    const QVariant fallback = fallbackOf(key);
    QVariant loaded;
    switch (key.kind) {
    case SettingKind::Integer:
        loaded = document.readInteger(section, name, fallback.toInt());
        break;
    case SettingKind::Bool:
        loaded = document.readBool(section, name, fallback.toBool());
        break;
    case SettingKind::InvertedBool:
        loaded = !document.readBool(section, name, !fallback.toBool());
        break;
    case SettingKind::Text: {
        QString value = document.readString(section, name, fallback.toString());
        if (key.emptyMeansFallback && value.isEmpty())
            value = fallback.toString();
        loaded = value;
        break;
    }
    case SettingKind::Block:
        break;
    }
    binding.value = loaded;
    if (binding.set)
        binding.set(loaded);
}

void SettingsSequence::saveKey(const SettingKey& key, IniDocument& document,
                               const QHash<QString, IniDocument>& ownerValues,
                               QSet<QString>& blocksWritten) const {
    const QString section = text(key.section);
    const QString name = text(key.key);
    const QString owner = text(key.owner);
    if (key.kind == SettingKind::Block) {
        // The owner of a section block writes everything it has where its first block stands.
        const auto it = m_owners.constFind(owner);
        if (it != m_owners.cend() && !blocksWritten.contains(owner)) {
            blocksWritten.insert(owner);
            it->save(document);
        }
        return;
    }
    if (key.save == SaveRule::Never)
        return;
    const auto modelValues = ownerValues.constFind(owner);
    if (modelValues != ownerValues.cend() && modelValues->valueExists(section, name)) {
        const QString value = modelValues->readString(section, name, {});
        if (key.save != SaveRule::WhenNotEmpty || !value.isEmpty())
            document.writeString(section, name, value);
        return;
    }
    const Binding binding = m_bindings.value(id(section, name));
    const QVariant value = binding.get ? binding.get() : binding.value;
    switch (key.kind) {
    case SettingKind::Integer:
        document.writeInteger(section, name, value.toInt());
        break;
    case SettingKind::Bool:
        document.writeBool(section, name, value.toBool());
        break;
    case SettingKind::InvertedBool:
        document.writeBool(section, name, !value.toBool());
        break;
    case SettingKind::Text:
        if (key.save == SaveRule::WhenNotEmpty && value.toString().isEmpty())
            return;
        document.writeString(section, name, value.toString());
        break;
    case SettingKind::Block:
        break;
    }
}

SettingsSequence::LoadResult SettingsSequence::load(IniFile& file,
                                                    const std::function<void(int)>& progress) {
    const IniDocument document = file.load();
    std::vector<const SettingKey*> order;
    for (const SettingKey& key : settingKeys()) {
        if (key.loadStep > 0)
            order.push_back(&key);
    }
    std::stable_sort(order.begin(), order.end(), [](const SettingKey* a, const SettingKey* b) {
        return a->loadStep < b->loadStep;
    });
    int step = 0;
    QSet<QString> loadedOwners;
    for (const SettingKey* key : order) {
        if (progress && key->loadStep != step)
            progress(key->loadStep);
        step = key->loadStep;
        loadKey(*key, document);
        const QString owner = text(key->owner);
        const auto model = m_owners.constFind(owner);
        if (model != m_owners.cend() && !loadedOwners.contains(owner)) {
            loadedOwners.insert(owner);
            model->load(document);
        }
    }

    LoadResult result;
    result.firstStart = !document.sectionExists(u"PRINT");
    result.migrationMarked = result.firstStart || document.valueExists(u"PRINT", u"Migr4To5");
    const bool pathMissing = !document.sectionExists(u"PATH");
    result.journalRenamingDue = !pathMissing && !document.valueExists(u"PASSING", u"V6");
    if (result.firstStart || pathMissing) {
        file.update([&](IniDocument& d) {
            if (result.firstStart)
                d.writeBool(u"PRINT", u"Migr4To5", true);
            if (pathMissing)
                d.writeString(u"PASSING", u"V6", QStringLiteral("1"));
        });
    }
    if (progress)
        progress(25);
    return result;
}

bool SettingsSequence::save(IniFile& file) const {
    // Each model without a section block writes its keys once into a scratch document; they
    // are then copied into the file at their places in the table.
    QSet<QString> blockOwners;
    for (const SettingKey& key : settingKeys()) {
        if (key.kind == SettingKind::Block)
            blockOwners.insert(text(key.owner));
    }
    QHash<QString, IniDocument> ownerValues;
    for (auto it = m_owners.cbegin(); it != m_owners.cend(); ++it) {
        if (!blockOwners.contains(it.key()))
            it->save(ownerValues[it.key()]);
    }
    QSet<QString> blocksWritten;
    return file.update([&](IniDocument& document) {
        for (const SettingKey& key : settingKeys())
            saveKey(key, document, ownerValues, blocksWritten);
    });
}
