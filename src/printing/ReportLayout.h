#pragma once

#include "printing/PageSetup.h"
#include "printing/ReportElements.h"

#include <array>
#include <memory>
#include <vector>

namespace report {

class ReportDataSource;

enum class BandKind {
    PageHeader, // top of every page, the first included
    Title, // first page only, under the page header
    ColumnHeader, // every page, above the details
    Detail, // once per record of the bound table, or once when the report has no table
    Summary, // once, after the last detail
};

// A horizontal strip of a report with its elements. The height is in millimetres; a detail band that
// holds rich text grows over as many pages as the text needs.
class ReportBand {
public:
    ReportBand(BandKind kind, double heightMm)
        : m_kind(kind)
        , m_height(heightMm)
    {
    }

    BandKind kind() const { return m_kind; }
    double heightMm() const { return m_height; }
    void setHeightMm(double heightMm) { m_height = heightMm; }

    // Creates an element in the band and returns it; the band owns it.
    template <class Element, class... Args> Element& add(Args&&... args)
    {
        auto element = std::make_unique<Element>(std::forward<Args>(args)...);
        Element& result = *element;
        m_elements.push_back(std::move(element));
        return result;
    }
    const std::vector<std::unique_ptr<ReportElement>>& elements() const { return m_elements; }
    // The element that stretches the band over pages, if the band has one.
    const ReportRichText* richText() const;

private:
    BandKind m_kind;
    double m_height;
    std::vector<std::unique_ptr<ReportElement>> m_elements;
};

// A printed form: its page set-up, its title (which names the preview window and the print job), its bands
// and the table it is bound to, if any.
class ReportLayout {
public:
    ReportLayout() = default;
    ReportLayout(const ReportLayout&) = delete;
    ReportLayout& operator=(const ReportLayout&) = delete;

    PageSetup page;
    QString title;

    // The band of that kind, created with the given height if the layout has none yet.
    ReportBand& band(BandKind kind, double heightMm = 0.0);
    const ReportBand* findBand(BandKind kind) const;

    void setDataSource(const ReportDataSource* source) { m_source = source; }
    const ReportDataSource* dataSource() const { return m_source; }

    // The element given that name with setName(), searched over all bands.
    ReportElement* element(const QString& name) const;
    template <class Element> Element* elementAs(const QString& name) const
    {
        return dynamic_cast<Element*>(element(name));
    }

private:
    std::array<std::unique_ptr<ReportBand>, 5> m_bands;
    const ReportDataSource* m_source = nullptr;
};

} // namespace report
