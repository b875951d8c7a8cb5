#pragma once

#include <QString>

// What the benchmark programs share around Google Benchmark: one application object for the whole run
// (created by the program's main before any benchmark) and one folder for everything a run generates.
namespace bench {

// The folder of this run's generated files (catalogues, pages); removed with everything in it when
// the run ends. Also the temporary folder of the run and of the programs it starts.
QString runFolder();

// Runs the benchmarks chosen on the command line inside a fresh run folder and removes the folder
// afterwards. Call it from main() while the application object lives. Returns the exit code.
int runBenchmarks(int& argc, char** argv);

} // namespace bench
