#pragma once

#include <QCoreApplication>
#include <memory>

// The application object of zfn-cli: a plain core application, or, when a command draws report pages,
// a GUI application on the offscreen platform (no display needed).
namespace pages {

std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv, bool drawsPages);
// Whether the command line asks for report pages (--pages, --report-pdf).
bool wantsPages(int argc, char** argv);

} // namespace pages
