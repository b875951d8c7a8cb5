#include "printing/ReportLayout.h"

namespace report {

const ReportRichText* ReportBand::richText() const
{
    for (const auto& element : m_elements) {
        if (const auto* rich = dynamic_cast<const ReportRichText*>(element.get()))
            return rich;
    }
    return nullptr;
}

ReportBand& ReportLayout::band(BandKind kind, double heightMm)
{
    auto& slot = m_bands.at(static_cast<size_t>(kind));
    if (!slot)
        slot = std::make_unique<ReportBand>(kind, heightMm);
    return *slot;
}

const ReportBand* ReportLayout::findBand(BandKind kind) const
{
    return m_bands.at(static_cast<size_t>(kind)).get();
}

ReportElement* ReportLayout::element(const QString& name) const
{
    for (const auto& band : m_bands) {
        if (!band)
            continue;
        for (const auto& element : band->elements()) {
            if (element->name() == name)
                return element.get();
        }
    }
    return nullptr;
}

} // namespace report
