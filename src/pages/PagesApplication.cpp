#include "pages/PagesApplication.h"

#include <QGuiApplication>
#include <cstring>

namespace pages {

std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv, bool drawsPages)
{
    if (!drawsPages)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool wantsPages(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pages") == 0 || std::strcmp(argv[i], "--report-pdf") == 0)
            return true;
    }
    return false;
}

} // namespace pages
