#pragma once

#include "app/SettingsKeys.h"
#include "platform/IniDocument.h"

#include <QHash>
#include <gtest/gtest.h>

/// Every key the close writes is in the file, in the table's order within its section
/// (after the first-start marker of PRINT, written at load).
inline void expectEveryClosingKeyInOrder(const IniDocument& doc) {
    QHash<QString, QStringList> expected;
    for (const SettingKey& key : settingKeys()) {
        if (key.kind != SettingKind::Block && key.save != SaveRule::Never)
            expected[QString::fromUtf8(key.section)] << QString::fromUtf8(key.key);
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QStringList keys = doc.keys(it.key());
        keys.removeAll(QStringLiteral("Migr4To5"));
        EXPECT_EQ(keys, it.value()) << it.key().toStdString();
    }
}
