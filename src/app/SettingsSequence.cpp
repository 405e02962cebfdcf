#include "app/SettingsSequence.h"

#include "platform/IniFile.h"

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

void SettingsSequence::bindBlock(const QString& section, BlockLoader load, BlockSaver save) {
    for (const SettingKey& key : settingKeys()) {
        if (key.kind == SettingKind::Block &&
            text(key.section).compare(section, Qt::CaseInsensitive) == 0) {
            Binding& binding = m_bindings[id(section, text(key.key))];
            binding.loadBlock = std::move(load);
            binding.saveBlock = std::move(save);
            return;
        }
    }
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
    if (key.kind == SettingKind::Block) {
        if (binding.loadBlock)
            binding.loadBlock(document);
        return;
    }
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

void SettingsSequence::saveKey(const SettingKey& key, IniDocument& document) const {
    const QString section = text(key.section);
    const QString name = text(key.key);
    const Binding& binding = m_bindings[id(section, name)];
    if (key.kind == SettingKind::Block) {
        if (binding.saveBlock)
            binding.saveBlock(document);
        return;
    }
    if (key.save == SaveRule::Never)
        return;
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
    for (const SettingKey* key : order) {
        if (progress && key->loadStep != step)
            progress(key->loadStep);
        step = key->loadStep;
        loadKey(*key, document);
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
    return file.update([this](IniDocument& document) {
        for (const SettingKey& key : settingKeys())
            saveKey(key, document);
    });
}
