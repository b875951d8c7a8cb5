#include "run/BenchRun.h"

#include <QGuiApplication>

// The pure-code benchmarks. Some draw report pages, so the one application of the run has QtGui; it
// lives for the whole run and ends before the program does.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
