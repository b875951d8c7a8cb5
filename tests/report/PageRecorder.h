#pragma once

#include <QImage>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <vector>

// Plays a prepared page into a paint engine that writes down what is drawn and where (page units,
// hundredths of a millimetre), so tests can check a page by its content instead of its pixels.
struct RecordedPage {
    struct Text {
        QString text;
        QPointF at;
    };
    std::vector<Text> texts;
    std::vector<QRectF> images;
    std::vector<QLineF> lines;

    bool hasText(const QString& part) const
    {
        for (const Text& t : texts) {
            if (t.text.contains(part))
                return true;
        }
        return false;
    }
    int countText(const QString& whole) const
    {
        int n = 0;
        for (const Text& t : texts)
            n += t.text == whole ? 1 : 0;
        return n;
    }
    QString allText() const
    {
        QString all;
        for (const Text& t : texts)
            all += t.text + QLatin1Char('\n');
        return all;
    }
};

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(RecordedPage& page)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_page(page)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override
    {
        m_page.images.push_back(m_transform.mapRect(r));
    }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        m_page.images.push_back(m_transform.mapRect(r));
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        m_page.texts.push_back({item.text(), m_transform.map(p)});
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_page.lines.push_back(m_transform.map(lines[i]));
    }
    // Rules may arrive as stroked outlines: a thin filled shape counts as the line along its middle;
    // other straight outlines count segment by segment.
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        drawPath(path);
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i]);
            drawPath(path);
        }
    }
    void drawPath(const QPainterPath& path) override
    {
        const QRectF box = m_transform.map(path).boundingRect();
        constexpr double thin = 100.0; // 1 mm
        if (box.height() < thin && box.width() > box.height() * 4) {
            m_page.lines.push_back(QLineF(box.left(), box.center().y(), box.right(), box.center().y()));
            return;
        }
        if (box.width() < thin && box.height() > box.width() * 4) {
            m_page.lines.push_back(QLineF(box.center().x(), box.top(), box.center().x(), box.bottom()));
            return;
        }
        for (int i = 1; i < path.elementCount(); ++i) {
            const QPainterPath::Element from = path.elementAt(i - 1);
            const QPainterPath::Element to = path.elementAt(i);
            if (to.isLineTo())
                m_page.lines.push_back(m_transform.map(QLineF(from.x, from.y, to.x, to.y)));
        }
    }

private:
    RecordedPage& m_page;
    QTransform m_transform;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(RecordedPage& page)
        : m_engine(page)
    {
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 100000;
        case PdmWidthMM:
        case PdmHeightMM:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable RecordingEngine m_engine;
};

inline RecordedPage recordPage(const QPicture& page)
{
    RecordedPage recorded;
    RecordingDevice device(recorded);
    QPainter painter(&device);
    QPicture copy = page;
    copy.play(&painter);
    return recorded;
}
