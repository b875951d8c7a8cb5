#include "pages/Jpeg.h"

#include <QSysInfo>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace pages {

namespace {

// libjpeg reports a fatal error through error_exit; jumping back keeps the failure inside this file.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->back, 1);
}

void quiet(j_common_ptr, int)
{
}

} // namespace

QByteArray encodeJpeg(const QImage& image, JpegStyle style)
{
    // 32-bit and grey pixels go to the encoder as they are (no converted copy of the picture); libjpeg
    // makes the grey or YCbCr values row by row.
    const bool direct = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const QImage rgb = direct || grey ? image : image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return {};
    jpeg_compress_struct info {};
    JpegError error {};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = leave;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(error.back)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    if (grey) {
        info.input_components = 1;
        info.in_color_space = JCS_GRAYSCALE;
    } else if (direct) {
        info.input_components = 4;
        info.in_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    } else {
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
    }
    jpeg_set_defaults(&info);
    if (style.grey)
        jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, style.quality, TRUE);
    // The DC values, then the low and the high frequencies in scans of their own: a run of empty blocks is
    // one code, and without the successive-approximation scans of the standard progression the encoding
    // takes a third of the time at the same size. Splitting after the ninth frequency made the smallest
    // report pages of the splits tried.
    static const jpeg_scan_info greyScans[]
        = {{1, {0}, 0, 0, 0, 0}, {1, {0}, 1, 9, 0, 0}, {1, {0}, 10, 63, 0, 0}};
    if (style.compact) {
        // White paper stays pure white at low qualities: its DC value, 1016, is a whole number of steps of
        // 32 (clamped to 255 on reading), whereas a coarser step turns the page light grey.
        constexpr UINT16 whiteKeepingDcStep = 32;
        UINT16& dcStep = info.quant_tbl_ptrs[0]->quantval[0];
        dcStep = std::min(dcStep, whiteKeepingDcStep);
        info.optimize_coding = TRUE;
        if (info.num_components == 1) {
            info.scan_info = greyScans;
            info.num_scans = 3;
        } else {
            jpeg_simple_progression(&info);
        }
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

QImage decodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    jpeg_decompress_struct info {};
    JpegError error {};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = leave;
    error.manager.emit_message = quiet;
    QImage image;
    if (setjmp(error.back)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(
        static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

} // namespace pages
