#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ЗФН-подбор"));
    QLabel label(QStringLiteral("ЗФН-подбор"));
    label.resize(400, 200);
    label.show();
    return QApplication::exec();
}
