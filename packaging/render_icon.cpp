// Draws the program's SVG icon as square PNG files, for menus and software
// centres that show no SVG: render_icon IN.svg OUT.png SIZE [OUT.png SIZE]...
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <iostream>

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::cerr << "usage: render_icon IN.svg OUT.png SIZE [OUT.png SIZE]...\n";
        return 2;
    }
    // Drawing needs no screen; the build may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::cerr << "render_icon: " << argv[1] << ": not an SVG image\n";
        return 1;
    }
    for (int i = 2; i < argc; i += 2) {
        const int side = QByteArray(argv[i + 1]).toInt();
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        if (side <= 0 || !image.save(QString::fromLocal8Bit(argv[i]), "PNG")) {
            std::cerr << "render_icon: cannot write " << argv[i] << '\n';
            return 1;
        }
    }
    return 0;
}
