#pragma once

#include <QImage>
#include <QLineF>
#include <QPointer>
#include <QRectF>
#include <QString>

class QPainter;
class QTextDocument;

namespace report {

class ReportDataSource;

// What an element needs to know while a band is painted: the page it lands on and the record it shows.
struct PaintContext {
    int pageNumber = 1;
    const ReportDataSource* source = nullptr;
    int row = -1; // -1: the empty record of a report whose table is closed or empty
};

struct TextStyle {
    double pointSize = 10.0;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    QString family = QStringLiteral("Arial");
};

// The style of a text of the given size, bold or not, aligned as given.
inline TextStyle textStyle(
    double pointSize, bool bold = false, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    TextStyle style;
    style.pointSize = pointSize;
    style.bold = bold;
    style.alignment = alignment;
    return style;
}

inline TextStyle boldText(double pointSize, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    return textStyle(pointSize, true, alignment);
}

// One printed thing of a band. Its geometry is in millimetres from the top-left corner of its band; the
// painter it gets draws in page units (see ReportUnits.h) with the origin at that corner.
class ReportElement {
public:
    explicit ReportElement(const QRectF& geometryMm)
        : m_geometry(geometryMm)
    {
    }
    virtual ~ReportElement() = default;
    ReportElement(const ReportElement&) = delete;
    ReportElement& operator=(const ReportElement&) = delete;

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    const QRectF& geometryMm() const { return m_geometry; }
    void setGeometryMm(const QRectF& geometryMm) { m_geometry = geometryMm; }

    virtual void paint(QPainter& painter, const PaintContext& context) const = 0;

private:
    QString m_name;
    QRectF m_geometry;
};

// Text in a rectangle; a text wider than its rectangle runs on unless the style wraps it.
class TextElement : public ReportElement {
public:
    TextElement(const QRectF& geometryMm, const TextStyle& style)
        : ReportElement(geometryMm)
        , m_style(style)
    {
    }
    const TextStyle& style() const { return m_style; }
    void setStyle(const TextStyle& style) { m_style = style; }
    virtual QString textFor(const PaintContext& context) const = 0;
    void paint(QPainter& painter, const PaintContext& context) const override;

private:
    TextStyle m_style;
};

class ReportLabel : public TextElement {
public:
    ReportLabel(const QRectF& geometryMm, const QString& text, const TextStyle& style = {})
        : TextElement(geometryMm, style)
        , m_text(text)
    {
    }
    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    QString textFor(const PaintContext&) const override { return m_text; }

private:
    QString m_text;
};

// The value of one field of the record being printed. An element without a field prints nothing.
class ReportDataText : public TextElement {
public:
    ReportDataText(const QRectF& geometryMm, const QString& field, const TextStyle& style = {})
        : TextElement(geometryMm, style)
        , m_field(field)
    {
    }
    const QString& field() const { return m_field; }
    void setField(const QString& field) { m_field = field; }
    QString textFor(const PaintContext& context) const override;

private:
    QString m_field;
};

class ReportPageNumber : public TextElement {
public:
    ReportPageNumber(const QRectF& geometryMm, const QString& prefix, const TextStyle& style = {})
        : TextElement(geometryMm, style)
        , m_prefix(prefix)
    {
    }
    QString textFor(const PaintContext& context) const override;

private:
    QString m_prefix;
};

// A picture centred in its frame, shrunk (keeping its proportions) when it is larger than the frame.
class ReportPicture : public ReportElement {
public:
    using ReportElement::ReportElement;
    const QImage& image() const { return m_image; }
    void setImage(const QImage& image) { m_image = image; }
    // Loads a picture file; a file that cannot be read leaves the picture empty and returns false.
    bool load(const QString& path);
    void paint(QPainter& painter, const PaintContext& context) const override;

private:
    QImage m_image;
};

// A straight rule between two points given in millimetres from the band's corner.
class ReportLine : public ReportElement {
public:
    ReportLine(const QLineF& lineMm, double widthMm = 0.25);
    void paint(QPainter& painter, const PaintContext& context) const override;

private:
    QLineF m_line;
    double m_width;
};

class ReportFrame : public ReportElement {
public:
    enum Side { Left = 1, Top = 2, Right = 4, Bottom = 8, All = 15 };
    ReportFrame(const QRectF& geometryMm, int sides = All, double widthMm = 0.25)
        : ReportElement(geometryMm)
        , m_sides(sides)
        , m_width(widthMm)
    {
    }
    void paint(QPainter& painter, const PaintContext& context) const override;

private:
    int m_sides;
    double m_width;
};

// Formatted text that continues over as many pages as it needs. Only its width is fixed; the engine
// slices the document between lines and gives each page its share (see RichTextPager.h).
class ReportRichText : public ReportElement {
public:
    ReportRichText(const QRectF& geometryMm, const QTextDocument* document);
    const QTextDocument* document() const;
    void setDocument(const QTextDocument* document);
    // Painted by the engine, slice by slice.
    void paint(QPainter&, const PaintContext&) const override { }

private:
    QPointer<const QTextDocument> m_document;
};

} // namespace report
