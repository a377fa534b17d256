// The baselines: a bare Qt window of the main window's size, shown and painted.
// With --text it also shows one line of text, and so pays for setting up
// fonts and drawing glyphs as every window with text does. With --controls it
// shows the main window's controls, as the demo fills them, as plain widgets
// at fixed places: what Qt itself costs to draw that window, with no layouts,
// no project reading and no program around it.
#include <cstring>
#include <memory>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QWidget>

#include "first_paint.h"

namespace {

struct Control {
    enum Kind { kLabel, kWrappedLabel, kPicture, kButton, kColouredButton } kind;
    QRect place;
    qreal points;
    const char* text;
};

constexpr int kColumns = 7;
constexpr int kColumnWidths[kColumns] = {48, 220, 28, 25, 64, 64, 76};
const char* const kHeader[kColumns] = {"Handle",      "  Wave File Name   ", "Bits",        "DL",
                                       " File Size ", " Play Sec ",          " FlashSize* "};
const char* const kRows[][kColumns] = {
    {" 3", " bell.wav", "16", "8", "33,118", "1.5", "16,640"},
    {" 7", " horn.wav", "16", "16", "26,504", "2.4", "26,624"},
    {" 10", " whistle.wav", "8", "8", "17,684", "1.6", "17,664"},
    {" 15", " brake hiss.wav", "8", "8", "8,864", ".8", "8,960"},
    {" 21", " chuff.wav", "12", "12", "44,144", "4.", "44,288"},
    {" ", "", "", "", "", "", ""},
    {"", " TOTAL SOUND CLIP DATA ", "", "", "", "", "114,176"},
    {"", " PROGRAM CODE ", "", "", "", "", "256"},
    {"", " TOTAL WHOLE PROJECT", "", "", "", "", "114,432"},
    {" ", "", "", "", "", "", ""},
    {"", " SOUND CLIP COUNT", "5", "", "", "", ""},
    {"", " PROJECT VOICES", "3", "", "", "", ""},
    {"", " PROJECT SCHEMES", "3", "", "", "", ""},
};

QFont SansFont(qreal points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

void AddControls(QWidget& window) {
    const Control controls[] = {
        {Control::kLabel, {9, 9, 117, 19}, 12, "SPJ Filename:"},
        {Control::kLabel, {132, 9, 418, 19}, 12, "DEMO.SPJ"},
        {Control::kLabel, {9, 34, 117, 19}, 12, "From Folder:"},
        {Control::kLabel, {132, 34, 418, 19}, 12, "/home/user/tambrelox/samples/"},
        {Control::kLabel, {9, 59, 117, 19}, 12, "Author/Owner:"},
        {Control::kLabel, {132, 59, 418, 19}, 12, "Jane Hobbyist"},
        {Control::kWrappedLabel, {9, 84, 541, 369}, 12, "About the program, under the grid"},
        {Control::kLabel, {9, 459, 541, 13}, 8.25, "114,432 of 524,888 bytes (22%)"},
        {Control::kPicture, {585, 9, 205, 205}, 8.25, ""},
        {Control::kColouredButton, {556, 220, 264, 27}, 12, "Get SPJ File"},
        {Control::kLabel, {556, 263, 264, 19}, 12, "This SPJ will run in"},
        {Control::kLabel, {556, 288, 264, 19}, 12, "any SFX Decoder"},
        {Control::kButton, {556, 323, 264, 27}, 12, "Print this display"},
        {Control::kButton, {556, 356, 264, 27}, 12, "Show/Print Startup CV Values"},
        {Control::kButton, {556, 389, 264, 27}, 12, "Show/Print Descriptive Text"},
        {Control::kButton, {556, 422, 264, 27}, 12, "Play Sound Clips"},
        {Control::kColouredButton, {556, 455, 264, 27}, 12, "Quit"},
        {Control::kLabel, {9, 488, 811, 13}, 8.25, "Tambrelox V1.0"},
    };
    for (const Control& control : controls) {
        const QString text = QString::fromLatin1(control.text);
        QWidget* made = nullptr;
        if (control.kind == Control::kButton || control.kind == Control::kColouredButton) {
            auto* button = new QPushButton(text, &window);
            if (control.kind == Control::kColouredButton) {
                button->setStyleSheet(QStringLiteral(
                    "QPushButton { background-color: #00c000; border: 1px solid #008000;"
                    " border-radius: 3px; padding: 2px 12px; }"));
            }
            made = button;
        } else {
            auto* label = new QLabel(text, &window);
            label->setWordWrap(control.kind == Control::kWrappedLabel);
            if (control.kind == Control::kPicture) {
                QPixmap picture(control.place.size());
                picture.fill(Qt::gray);
                label->setPixmap(picture);
            }
            made = label;
        }
        made->setFont(SansFont(control.points));
        made->setGeometry(control.place);
    }

    auto* model = new QStandardItemModel(std::size(kRows), kColumns, &window);
    for (int col = 0; col < kColumns; ++col) {
        model->setHorizontalHeaderItem(col, new QStandardItem(QString::fromLatin1(kHeader[col])));
        for (int row = 0; row < model->rowCount(); ++row)
            model->setItem(row, col, new QStandardItem(QString::fromLatin1(kRows[row][col])));
    }
    auto* grid = new QTableView(&window);
    grid->setFont(SansFont(8.25));
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(21);
    for (int col = 0; col < kColumns; ++col) grid->setColumnWidth(col, kColumnWidths[col]);
    grid->setGeometry(9, 84, 541, 369);
}

}  // namespace

int main(int argc, char** argv) {
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    const bool withControls = argc > 1 && std::strcmp(argv[1], "--controls") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(812, 514);
    std::unique_ptr<QLabel> text;
    if (withText) text = std::make_unique<QLabel>(QStringLiteral("Tambrelox V1.0"), &window);
    if (withControls) {
        window.setFont(SansFont(8.25));
        AddControls(window);
    }
    window.show();
    tambrelox::bench::FirstPaintReporter reporter(window);
    return QApplication::exec();
}
