#include "platform/IniFile.h"

#include "platform/SafeFileWriter.h"

#include <QFile>

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

IniDocument IniFile::load() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return IniDocument::fromBytes(file.readAll());
}

bool IniFile::save(const IniDocument& document) {
    m_error = writeFileSafely(m_path, document.toBytes()).value_or(QString());
    return m_error.isEmpty();
}

bool IniFile::update(const std::function<void(IniDocument&)>& change) {
    IniDocument document = load();
    change(document);
    return save(document);
}

QString IniFile::readString(QStringView section, QStringView key, const QString& fallback) const {
    return load().readString(section, key, fallback);
}

int IniFile::readInteger(QStringView section, QStringView key, int fallback) const {
    return load().readInteger(section, key, fallback);
}

bool IniFile::readBool(QStringView section, QStringView key, bool fallback) const {
    return load().readBool(section, key, fallback);
}

bool IniFile::writeString(QStringView section, QStringView key, const QString& value) {
    return update([&](IniDocument& d) { d.writeString(section, key, value); });
}

bool IniFile::writeInteger(QStringView section, QStringView key, int value) {
    return update([&](IniDocument& d) { d.writeInteger(section, key, value); });
}

bool IniFile::writeBool(QStringView section, QStringView key, bool value) {
    return update([&](IniDocument& d) { d.writeBool(section, key, value); });
}

bool IniFile::eraseSection(QStringView section) {
    return update([&](IniDocument& d) { d.eraseSection(section); });
}

bool IniFile::deleteKey(QStringView section, QStringView key) {
    return update([&](IniDocument& d) { d.deleteKey(section, key); });
}
