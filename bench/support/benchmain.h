#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <type_traits>

namespace bench {

// The main of a benchmark program: the benchmarks named on the command line, run inside an
// application object of type App (QCoreApplication for the core; QApplication or
// QGuiApplication, on the offscreen platform unless another is asked for, for windows).
template <class App> int runBenchmarks(int argc, char** argv) {
    if constexpr (!std::is_same_v<App, QCoreApplication>) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
