// The baseline: a bare Qt window of the main window's size, shown and painted.
// With --text it also shows one line of text, and so pays for setting up
// fonts and drawing glyphs as every window with text does.
#include <cstring>
#include <memory>

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(812, 514);
    std::unique_ptr<QLabel> text;
    if (withText) text = std::make_unique<QLabel>(QStringLiteral("Tambrelox V1.0"), &window);
    window.show();
    tambrelox::bench::FirstPaintReporter reporter(window);
    return QApplication::exec();
}
