#include "curtains/CurtainProjectFile.h"

#include "common/FixedRecord.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

constexpr int nameCapacity = 100;
constexpr int numberCapacity = 16;

// The layout of the three records, one function for writing and reading: `Io` is RecordWriter or a
// reading adapter with the same calls.
template <typename Io, typename P> void layout(Io& io, Series series, P& p)
{
    io.text(p.projectName, nameCapacity).padding(3).int32(p.buildingType);
    for (auto* box : {&p.B, &p.H, &p.tv, &p.tn, &p.tc, &p.v})
        io.numberText(*box, numberCapacity);
    io.padding(2).int32(p.placement).int32(p.posts);
    switch (series) {
    case Series::Ork:
        io.int32(p.heaterType).int32(p.heaterRows).int32(p.powerStep);
        io.numberText(p.tw1, numberCapacity).numberText(p.tw2, numberCapacity).padding(2);
        break;
    case Series::Tem:
        io.int32(p.heaterType).int32(p.heaterRows);
        io.numberText(p.tw1, numberCapacity).numberText(p.tw2, numberCapacity).padding(2);
        io.int32(p.blockLimit).int32(p.smallestBlock);
        break;
    case Series::Pln:
        io.boolean(p.mayExtend).padding(3).int32(p.heaterType);
        io.numberText(p.tw1, numberCapacity).numberText(p.tw2, numberCapacity).padding(2);
        break;
    }
}

// Reads fields into a project with the calls of RecordWriter.
class Reading {
public:
    Reading(RecordReader& reader, const QByteArray& bytes)
        : m_reader(reader)
        , m_bytes(bytes)
    {
    }
    Reading& text(QString& value, int capacity)
    {
        value = m_reader.text(capacity);
        return *this;
    }
    Reading& numberText(QString& value, int capacity)
    {
        value = m_reader.numberText(capacity);
        return *this;
    }
    Reading& int32(qint32& value)
    {
        value = m_reader.int32();
        return *this;
    }
    Reading& boolean(bool& value)
    {
        // Only the byte 1 selects "ДА"; any other byte "НЕТ".
        const int at = m_reader.position();
        m_reader.skip(1);
        value = m_reader.ok() && m_bytes.at(at) == 1;
        return *this;
    }
    Reading& padding(int bytes)
    {
        m_reader.skip(bytes);
        return *this;
    }

private:
    RecordReader& m_reader;
    const QByteArray& m_bytes;
};

// Writes fields of a const project with the same calls.
class Writing {
public:
    explicit Writing(QChar separator)
        : m_writer(separator)
    {
    }
    Writing& text(const QString& value, int capacity)
    {
        m_writer.text(value, capacity);
        return *this;
    }
    Writing& numberText(const QString& value, int capacity)
    {
        m_writer.numberText(value, capacity);
        return *this;
    }
    Writing& int32(qint32 value)
    {
        m_writer.int32(value);
        return *this;
    }
    Writing& boolean(bool value)
    {
        m_writer.boolean(value);
        return *this;
    }
    Writing& padding(int bytes)
    {
        m_writer.padding(bytes);
        return *this;
    }
    const QByteArray& bytes() const { return m_writer.bytes(); }

private:
    RecordWriter m_writer;
};

} // namespace

int curtainRecordSize(Series series)
{
    switch (series) {
    case Series::Ork:
        return 268;
    case Series::Tem:
        return 272;
    case Series::Pln:
        break;
    }
    return 264;
}

QByteArray encodeCurtainProject(Series series, const CurtainProject& project, QChar decimalSeparator)
{
    Writing w(decimalSeparator);
    layout(w, series, project);
    Q_ASSERT(w.bytes().size() == curtainRecordSize(series));
    return w.bytes();
}

std::optional<CurtainProject> decodeCurtainProject(
    Series series, const QByteArray& bytes, QChar decimalSeparator)
{
    const int size = curtainRecordSize(series);
    if (bytes.size() < size)
        return std::nullopt;
    const QByteArray record = bytes.left(size);
    RecordReader reader(record, decimalSeparator);
    Reading r(reader, record);
    CurtainProject p = defaultCurtainProject(series);
    layout(r, series, p);
    if (!reader.finishedExactly())
        return std::nullopt;
    return p;
}

namespace {

ProjectFileKind<CurtainProject> curtainKind(Series series, const QString& name, const QString& suffix)
{
    const QString files = u" *."_s + suffix;
    return {
        .openTitle = u"Открытие файла проекта расчета воздушной завесы "_s + name + files,
        .saveTitle = u"Сохранение файла проекта расчета воздушной завесы "_s + name + files,
        .filter = u"Проект расчета воздушной завесы "_s + name + u" (*."_s + suffix + u") |*."_s + suffix,
        .suffix = suffix,
        .recordSize = curtainRecordSize(series),
        .decode = [series](const QByteArray& bytes,
                      QChar separator) { return decodeCurtainProject(series, bytes, separator); },
        .encode =
            [series](const CurtainProject& project, QChar separator) {
                return ProjectEncoding {encodeCurtainProject(series, project, separator), {}};
            },
    };
}

} // namespace

const ProjectFileKind<CurtainProject>& curtainProjectFile(Series series)
{
    // In the order of the series.
    static const ProjectFileKind<CurtainProject> kinds[] = {
        curtainKind(Series::Ork, u"ОРК"_s, u"orkprj"_s),
        curtainKind(Series::Tem, u"ТЕМ"_s, u"temprj"_s),
        curtainKind(Series::Pln, u"ТЭРНА"_s, u"ternaprj"_s),
    };
    return kinds[static_cast<int>(series)];
}

} // namespace curtains
