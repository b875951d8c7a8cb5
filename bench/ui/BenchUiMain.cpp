#include "BenchProgram.h"
#include "app/SharedWindowList.h"
#include "run/BenchRun.h"
#include "ui/Messages.h"

#include <QApplication>
#include <cstdio>

namespace {
ProgramContext* runProgram = nullptr;
}

ProgramContext& benchProgram()
{
    return *runProgram;
}

// The window benchmarks (offscreen). The application and the program's shared windows live for the
// whole run and end in order before the program does.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A catalogue the benchmarks cannot read is told on the console, never in a message box.
    ui::setMessageSink(
        [](const QString& text, ui::MessageKind) { std::fputs(qPrintable(text + u'\n'), stderr); });
    ProgramContext program;
    registerSharedWindows(program.windows());
    runProgram = &program;
    const int code = bench::runBenchmarks(argc, argv);
    runProgram = nullptr;
    return code;
}
