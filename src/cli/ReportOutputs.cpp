#include "cli/ReportOutputs.h"

#include "common/AtomicSave.h"
#include "pages/ReportPages.h"

using namespace Qt::StringLiterals;

namespace cli {

QStringList reportOutputFlags()
{
    return {u"--report-rtf"_s, u"--pages"_s, u"--report-pdf"_s};
}

bool writeReportOutputs(const Arguments& args, const QByteArray& document)
{
    if (const auto rtf = args.value(u"--report-rtf"_s)) {
        const SaveOutcome saved = saveFileAtomically(*rtf, document);
        if (!saved) {
            printError(u"cannot write %1: %2"_s.arg(*rtf, saved.error()));
            return false;
        }
    }
    if (const auto base = args.value(u"--pages"_s)) {
        if (const auto error = pages::writePageImages(document, *base).error) {
            printError(*error);
            return false;
        }
    }
    if (const auto pdf = args.value(u"--report-pdf"_s)) {
        if (const auto error = pages::writePagesPdf(document, *pdf).error) {
            printError(*error);
            return false;
        }
    }
    return true;
}

} // namespace cli
