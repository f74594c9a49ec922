// The reference: a bare Qt window of the game's size, reporting the same.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(358, 258);
    window.show();
    probeFirstPaint(window);
    return QApplication::exec();
}
