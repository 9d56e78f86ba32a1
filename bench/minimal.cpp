// The yardstick for start-up time: the smallest Qt Widgets program with one
// fixed-size window holding one label, with a caption and a back colour,
// centred like the program's windows.
#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("花"));
    window.setWindowTitle(QStringLiteral("花"));
    window.setFixedSize(687, 491);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(0x00, 0xFF, 0xFF));
    window.setPalette(colours);
    window.setAutoFillBackground(true);
    window.move(QGuiApplication::primaryScreen()->availableGeometry().center() -
                window.rect().center());
    window.show();
    return app.exec();
}
