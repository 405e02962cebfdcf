// A load sequence against the cost of just reading the file: a settings file of 3000 keys
// (about 150 KB), loaded once and read 700 times, beside a plain read + cp1252 decode.
#include "platform/Cp1252.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct SettingsFixture {
    SettingsFixture() {
        IniDocument doc;
        for (int section = 0; section < 30; ++section) {
            for (int key = 0; key < 100; ++key)
                doc.writeString(QStringLiteral("SECTION %1").arg(section),
                                QStringLiteral("Cle%1Cpt%2Valeur").arg(key).arg(section),
                                QStringLiteral("Valeur %1 de la section").arg(key));
        }
        IniFile(path).save(doc);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Quilcfg.ini"));
};

SettingsFixture& fixture() {
    static SettingsFixture f; // written before the first timed iteration
    return f;
}

void LoadAnd700Reads(benchmark::State& state) {
    const IniFile ini(fixture().path);
    // Names spelt in another case than in the file, as the program's literals may be.
    std::vector<std::pair<QString, QString>> names;
    for (int i = 0; i < 700; ++i) {
        const int section = (i * 7) % 30;
        const int key = (i * 13) % 100;
        names.emplace_back(QStringLiteral("section %1").arg(section),
                           QStringLiteral("CLE%1CPT%2VALEUR").arg(key).arg(section));
    }
    for (auto _ : state) {
        const IniDocument doc = ini.load();
        qsizetype found = 0;
        for (const auto& [section, key] : names)
            found += doc.readString(section, key, {}).size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(QStringLiteral("%1 bytes").arg(QFile(fixture().path).size()).toStdString());
}
BENCHMARK(LoadAnd700Reads)->Unit(benchmark::kMicrosecond);

void PlainReadAndDecode(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(fixture().path);
        file.open(QIODevice::ReadOnly);
        const QString text = cp1252::decode(file.readAll());
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(PlainReadAndDecode)->Unit(benchmark::kMicrosecond);

} // namespace
