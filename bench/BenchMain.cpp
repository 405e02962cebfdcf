#include "platform/FontSubstitutions.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

// Printing needs fonts, so the benchmarks run inside a GUI application without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
