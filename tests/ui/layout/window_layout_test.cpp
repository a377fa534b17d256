// Every window under ordinary desktop settings: a small screen, a larger
// desktop font, a dark theme, a long folder. The program runs this at several
// scale factors, with either screen the primary one the windows open on.
#include "app/tambrelox/desktop_windows.h"
#include "ui/mainwindow/tambreloxmain.h"

#include "window_test.h"

#include <algorithm>

#include <QHeaderView>
#include <QHelpEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QToolTip>

#include "ui/shared/elided_label.h"
#include "ui/shared/window_look.h"

namespace tambrelox {
namespace {

using namespace testkit;

// The wide screen's free area in the window system's pixels, which shrink as the scale grows.
QSize WideScreen() {
    return QSize(1280, 800) / QGuiApplication::primaryScreen()->devicePixelRatio();
}

// Named for the screen and scale too, so the runs at each scale keep theirs.
void Screenshot(QWidget& window, const std::string& name) {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    SaveScreenshot(window, (name + "-" + QGuiApplication::primaryScreen()->name().toStdString() +
                            "-scale-" + (factor.isEmpty() ? "1" : factor.toStdString()) + ".png")
                               .c_str());
}

QString WriteDemo(const QString& path) {
    EXPECT_TRUE(WriteWholeFile(path.toStdString(), fixture::BuildDemoProject()).ok());
    return path;
}

// The demo project in every window, each shown on the primary screen.
class DemoInEveryWindow {
  public:
    DemoInEveryWindow() {
        main_.OpenProject(WriteDemo(folder_.filePath("Demo.spj")));
        for (const char* opener : {"Command5", "Command7", "Command8"})
            Child<QPushButton>(main_, opener)->click();
        main_.show();
        QWidget& player = Window("SoundTest");
        Child<QListWidget>(player, "SoundList")->setCurrentRow(0);
        // As a clip too long for small decoders shows it.
        Child<QLabel>(player, "lblSizeNote")->show();
        for (const auto& [name, window] : Named())
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << name;
    }

    // Each window with the name its screenshots carry.
    std::vector<std::pair<std::string, QWidget*>> Named() {
        return {{"mainwindow", &main_},
                {"cvshow", &Window("CVShow")},
                {"spjtext", &Window("SPJText")},
                {"soundtest", &Window("SoundTest")}};
    }

  private:
    static QWidget& Window(const char* name) { return *TopWindows(name).at(0); }

    QTemporaryDir folder_;
    FakeUserDialogs dialogs_;
    SessionState session_;
    MainWindow main_{session_, dialogs_, DesktopWindows(session_, dialogs_)};
};

std::string Described(const QWidget& control, const QString& text) {
    return control.window()->objectName().toStdString() + "/" + control.objectName().toStdString() +
           " \"" + text.left(40).toStdString() + "\"";
}

void ExpectLabelTextWhole(const QLabel& label) {
    const QRect room = label.contentsRect();
    const QSize needed = QFontMetrics(label.font())
                             .boundingRect(QRect(0, 0, room.width(), 0),
                                           label.wordWrap() ? Qt::TextWordWrap : 0, label.text())
                             .size();
    EXPECT_LE(needed.width(), room.width()) << Described(label, label.text());
    EXPECT_LE(needed.height(), room.height()) << Described(label, label.text());
}

void ExpectButtonTextWhole(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetrics metrics(button.font());
    EXPECT_LE(metrics.horizontalAdvance(button.text()), room.width())
        << Described(button, button.text());
    EXPECT_LE(metrics.height(), room.height()) << Described(button, button.text());
}

// Every heading and cell as wide as its text with the margins the style
// draws it in; every row as high as a line.
void ExpectGridTextWhole(const QTableView& table) {
    const QAbstractItemModel& model = *table.model();
    const QHeaderView& header = *table.horizontalHeader();
    const QFontMetrics cellMetrics(table.font());
    const QFontMetrics headingMetrics(header.font());
    const int cellMargins =
        2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1);
    const int headingMargins =
        2 * table.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    EXPECT_LE(headingMetrics.height(), header.height()) << Described(table, {});
    for (int col = 0; col < model.columnCount(); ++col) {
        const QString heading = model.headerData(col, Qt::Horizontal).toString();
        EXPECT_LE(headingMetrics.horizontalAdvance(heading) + headingMargins,
                  header.sectionSize(col))
            << Described(table, heading);
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString cell = model.data(model.index(row, col)).toString();
            EXPECT_LE(cellMetrics.horizontalAdvance(cell) + cellMargins, table.columnWidth(col))
                << Described(table, cell) << " row " << row;
        }
    }
    for (int row = 0; row < model.rowCount(); ++row)
        EXPECT_LE(cellMetrics.height(), table.rowHeight(row)) << Described(table, {}) << row;
}

void ExpectEveryTextWhole(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) ExpectLabelTextWhole(*label);
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->isVisible()) ExpectButtonTextWhole(*button);
    }
    for (const QTableView* table : window.findChildren<QTableView*>()) {
        if (table->isVisible()) ExpectGridTextWhole(*table);
    }
}

// The frame, title bar included, lies on the screen, and every button can be
// brought on screen: where the screen is too small, by scrolling the window.
void ExpectWholeOnScreen(QWidget& window) {
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << "frame " << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
        << window.frameGeometry().width() << "x" << window.frameGeometry().height();
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisible()) continue;
        window.findChild<QScrollArea*>()->ensureWidgetVisible(button, 0, 0);
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(available.contains(onScreen)) << Described(*button, button->text());
    }
}

// With the desktop font the platform gives (9 points offscreen), and with
// desktop fonts of 12 and 14 points.
TEST(EveryWindowTest, FitsTheScreenFrameAndButtonsAndShowsEveryTextWhole) {
    const QFont desktop = QApplication::font();
    for (const int points : {0, 12, 14}) {
        const std::string font = points > 0 ? std::to_string(points) + "pt" : "desktop";
        SCOPED_TRACE(font);
        QFont changed = desktop;
        if (points > 0) changed.setPointSize(points);
        QApplication::setFont(changed);
        DemoInEveryWindow windows;
        for (const auto& [name, window] : windows.Named()) {
            SCOPED_TRACE(name);
            ExpectWholeOnScreen(*window);
            ExpectEveryTextWhole(*window);
            if (name == "soundtest") {  // its two captions side by side stay apart
                const auto* left = Child<QLabel>(*window, "Label3");
                const int leftTextEnd =
                    left->x() + left->fontMetrics().horizontalAdvance(left->text());
                EXPECT_GE(Child<QLabel>(*window, "Label2")->x() - leftTextEnd, 8);
            }
            Screenshot(*window, "layout-" + name + "-font-" + font);
        }
    }
    QApplication::setFont(desktop);
}

// The contrast of a label's text as drawn: its background is the colour of
// its corner, its text the pixel that stands out most from that.
double DrawnContrast(QLabel& label) {
    const QImage image = label.grab().toImage();
    const Rgb background = ToRgb(image.pixelColor(0, 0));
    double contrast = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            contrast = std::max(contrast, ContrastRatio(background, ToRgb(image.pixelColor(x, y))));
    }
    return contrast;
}

TEST(DarkThemeTest, EveryLabelOfEveryWindowReads) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(
        QPalette(QColor(53, 53, 53), QColor(53, 53, 53)));  // all from the face
    DemoInEveryWindow windows;
    for (const auto& [name, window] : windows.Named()) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty()) continue;
            EXPECT_GE(DrawnContrast(*label), kReadableContrast) << Described(*label, label->text());
        }
        for (QTableView* grid : window->findChildren<QTableView*>()) {
            const QImage header = grid->horizontalHeader()->grab().toImage();
            EXPECT_LT(qGray(header.pixel(header.width() - 2, header.height() / 2)), 128)
                << "the empty end of the header of " << name;
        }
        Screenshot(*window, "layout-" + name + "-dark");
    }
    QApplication::setPalette(before);
}

TEST(LongFolderTest, IsShortenedOnScreenOnlyAndTheWindowStaysOnAWideScreen) {
    QTemporaryDir root;
    QString folder = root.path();
    while (folder.size() < 200) folder += QStringLiteral("/locomotive sound library");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString folderShown = folder.toLower() + "/";

    FakeUserDialogs dialogs;
    SessionState session;
    MainWindow window(session, dialogs, DesktopWindows(session, dialogs));
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == "wide") window.move(screen->geometry().topLeft());
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.screen()->availableGeometry().size(), WideScreen());
    const QWidget* content = window.findChild<QScrollArea*>()->widget();
    const int narrowest = content->minimumSizeHint().width();

    window.OpenProject(WriteDemo(folder + "/Demo.spj"));
    QApplication::sendPostedEvents();
    Screenshot(window, "layout-mainwindow-long-folder");
    EXPECT_LE(window.width(), WideScreen().width());

    auto* label = Child<ElidedLabel>(window, "lblSPJFolder");
    // Whatever reads the label or the session, printing included, gets it whole.
    EXPECT_EQ(label->text(), folderShown);
    EXPECT_EQ(session.projectFolder, folderShown.toStdString());
    ASSERT_TRUE(label->IsElided());
    const QString shown = label->ShownText();
    EXPECT_TRUE(shown.startsWith(folderShown.left(4)) && shown.endsWith(folderShown.right(4)))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width());

    const QPoint inside = label->rect().center();
    QHelpEvent tip(QEvent::ToolTip, inside, label->mapToGlobal(inside));
    QApplication::sendEvent(label, &tip);
    EXPECT_EQ(QToolTip::text(), folderShown);

    // Widening the window, where the screen has room for it, shows more of the folder.
    if (std::max(window.width(), narrowest) + 100 <= WideScreen().width()) {
        window.resize(WideScreen().width(), window.height());
        QApplication::sendPostedEvents();
        EXPECT_GT(label->ShownText().size(), shown.size());
    }

    // A short path after the long one: the window can be as narrow as before.
    window.OpenProject(WriteDemo(root.filePath("Short.spj")));
    QApplication::sendPostedEvents();
    EXPECT_FALSE(label->IsElided());
    EXPECT_EQ(content->minimumSizeHint().width(), narrowest);
}

}  // namespace
}  // namespace tambrelox
