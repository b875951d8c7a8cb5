#include "printing/ReportFile.h"

#include "common/AtomicSave.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <array>

namespace report {

namespace {

const QByteArray kMagic("ZFN-QRP\x1a", 8);
constexpr quint16 kVersion = 1;
constexpr qint64 kMaxFileBytes = 512LL * 1024 * 1024;
constexpr quint32 kMaxPages = 100000;

QString notAReport()
{
    return QStringLiteral("Файл не является сохраненной печатной формой (*.QRP)!");
}

QString damaged()
{
    return QStringLiteral("Файл печатной формы поврежден и не может быть загружен!");
}

void setError(QString* error, const QString& text)
{
    if (error != nullptr)
        *error = text;
}

// A page is accepted only if Qt can play it back.
bool playable(QPicture page)
{
    QImage probe(4, 4, QImage::Format_RGB32);
    QPainter painter(&probe);
    return page.play(&painter);
}

} // namespace

quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t {};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1U) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            t.at(i) = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFU;
    for (const char byte : bytes)
        crc = table.at((crc ^ static_cast<quint8>(byte)) & 0xFFU) ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

QByteArray encodeReport(const PreparedReport& report)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out.writeRawData(kMagic.constData(), static_cast<int>(kMagic.size()));
        out << kVersion << report.title << report.paperMm.width() << report.paperMm.height();
        out << static_cast<quint32>(report.pages.size());
        for (const QPicture& page : report.pages) {
            out << static_cast<quint32>(page.size());
            out.writeRawData(page.data(), static_cast<int>(page.size()));
        }
    }
    QDataStream tail(&bytes, QIODevice::Append);
    tail << crc32(bytes);
    return bytes;
}

std::optional<PreparedReport> decodeReport(const QByteArray& bytes, QString* error)
{
    if (bytes.size() < kMagic.size() + 4 || !bytes.startsWith(kMagic)) {
        setError(error, notAReport());
        return std::nullopt;
    }
    const QByteArray body = bytes.left(bytes.size() - 4);
    QDataStream crcIn(bytes.right(4));
    quint32 storedCrc = 0;
    crcIn >> storedCrc;
    if (storedCrc != crc32(body)) {
        setError(error, damaged());
        return std::nullopt;
    }

    QDataStream in(body);
    in.setVersion(QDataStream::Qt_6_0);
    in.skipRawData(static_cast<int>(kMagic.size()));
    quint16 version = 0;
    in >> version;
    if (version != kVersion) {
        setError(error,
            QStringLiteral(
                "Файл печатной формы сохранен другой версией программы и не может быть загружен!"));
        return std::nullopt;
    }
    PreparedReport report;
    double width = 0;
    double height = 0;
    quint32 pageCount = 0;
    in >> report.title >> width >> height >> pageCount;
    const bool paperOk = width >= 10.0 && width <= 2000.0 && height >= 10.0 && height <= 2000.0;
    if (in.status() != QDataStream::Ok || !paperOk || pageCount == 0 || pageCount > kMaxPages) {
        setError(error, damaged());
        return std::nullopt;
    }
    report.paperMm = QSizeF(width, height);
    for (quint32 i = 0; i < pageCount; ++i) {
        quint32 length = 0;
        in >> length;
        if (in.status() != QDataStream::Ok || length > static_cast<quint32>(body.size())) {
            setError(error, damaged());
            return std::nullopt;
        }
        QByteArray data(static_cast<qsizetype>(length), Qt::Uninitialized);
        if (in.readRawData(data.data(), static_cast<int>(length)) != static_cast<int>(length)) {
            setError(error, damaged());
            return std::nullopt;
        }
        QPicture page;
        page.setData(data.constData(), length);
        if (!playable(page)) {
            setError(error, damaged());
            return std::nullopt;
        }
        report.pages.append(page);
    }
    if (!in.atEnd()) {
        setError(error, damaged());
        return std::nullopt;
    }
    return report;
}

bool saveReportFile(const QString& path, const PreparedReport& report, QString* error)
{
    const SaveOutcome outcome = saveFileAtomically(path, encodeReport(report));
    if (!outcome) {
        setError(error,
            QStringLiteral("Не удается сохранить печатную форму в файл:\n") + QDir::toNativeSeparators(path)
                + QStringLiteral("\n") + outcome.error());
        return false;
    }
    return true;
}

std::optional<PreparedReport> loadReportFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Не удается открыть файл:\n") + QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        setError(error, notAReport());
        return std::nullopt;
    }
    return decodeReport(file.readAll(), error);
}

} // namespace report
