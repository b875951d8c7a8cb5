#include "common/SystemReason.h"

#include <cerrno>
#include <iterator>

namespace {

struct Reason {
    int code;
    const char16_t* text;
};

const Reason reasons[] = {
    {EACCES, u"Нет прав доступа"},
    {EPERM, u"Операция не разрешена"},
    {ENOSPC, u"Нет места на диске"},
    {EDQUOT, u"Превышена дисковая квота"},
    {EFBIG, u"Файл слишком велик"},
    {EROFS, u"Файловая система доступна только для чтения"},
    {ENOENT, u"Нет такого файла или папки"},
    {ENOTDIR, u"Часть пути не является папкой"},
    {EISDIR, u"Это папка, а не файл"},
    {EIO, u"Ошибка ввода-вывода"},
};

} // namespace

QString systemReason(int errorCode)
{
    for (const Reason& reason : reasons) {
        if (reason.code == errorCode)
            return QString::fromUtf16(reason.text);
    }
    return qt_error_string(errorCode);
}

QString systemReason(const QString& systemText)
{
    for (const Reason& reason : reasons) {
        if (systemText == qt_error_string(reason.code))
            return QString::fromUtf16(reason.text);
    }
    return systemText;
}
