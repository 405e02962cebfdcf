#pragma once

#include "app/SettingsKeys.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>
#include <functional>

class IniDocument;
class IniFile;

/// The main window's load sequence at start and save sequence at close, driven by the key
/// table. Models bind the keys they own; a key nobody binds keeps the value it was loaded
/// with, so the file never loses it.
class SettingsSequence {
public:
    using Getter = std::function<QVariant()>;
    using Setter = std::function<void(const QVariant&)>;
    using ModelLoader = std::function<void(const IniDocument&)>;
    using ModelSaver = std::function<void(IniDocument&)>;

    SettingsSequence();

    /// Binds a key of the table to a model: the setter receives the loaded value (a QString,
    /// int or bool after the key's kind), the getter gives the value to save.
    void bind(const QString& section, const QString& key, Getter get, Setter set);
    /// Binds every key of an owner (the table's owner column) to a model that reads and
    /// writes its own keys: it loads once, at its first key's step, and its keys are saved
    /// each at its place in the table (a whole-section block is saved where the block stands).
    void bindOwner(const QString& owner, ModelLoader load, ModelSaver save);

    struct LoadResult {
        bool firstStart = false;         // no PRINT section: the migration button stays hidden
        bool migrationMarked = false;    // PRINT/Migr4To5 was there
        bool journalRenamingDue = false; // PATH exists but PASSING/V6 does not
    };
    /// Reads the file once, applies every key in load order, then writes the first-start
    /// markers. `progress` is told each step (1..25) for the splash.
    LoadResult load(IniFile& file, const std::function<void(int step)>& progress = {});
    /// Writes every key at once in the order of the table; false with file.errorString().
    bool save(IniFile& file) const;

    /// The value last loaded or set for a key nobody has bound.
    QVariant value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QVariant& value);

private:
    struct Binding {
        Getter get;
        Setter set;
        QVariant value;
    };
    struct OwnerBinding {
        ModelLoader load;
        ModelSaver save;
    };
    static QString id(const QString& section, const QString& key);
    void loadKey(const SettingKey& key, const IniDocument& document);
    void saveKey(const SettingKey& key, IniDocument& document,
                 const QHash<QString, IniDocument>& ownerValues,
                 QSet<QString>& blocksWritten) const;

    QHash<QString, Binding> m_bindings;
    QHash<QString, OwnerBinding> m_owners;
};
