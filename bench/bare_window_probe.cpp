// The baseline: a bare Qt window of the main window's size, shown and painted.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(812, 514);
    window.show();
    tambrelox::bench::FirstPaintReporter reporter(window);
    return QApplication::exec();
}
