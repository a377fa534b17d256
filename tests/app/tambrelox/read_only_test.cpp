// A project goes through everything the program does with one: loaded, shown
// in every window, printed in every report through the real printer path,
// played, saved from, and printed without a window. The file must come out
// of it untouched: not once opened for writing, written, moved or its entry changed.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <iostream>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/tambrelox/desktop_windows.h"
#include "app/tambrelox/headless_print.h"
#include "core/base/file_bytes.h"
#include "demo_project.h"
#include "fake_user_dialogs.h"
#include "pdf_text.h"
#include "ui/mainwindow/tambreloxmain.h"
#include "widget_probe.h"

namespace tambrelox {
namespace {

using testkit::Child;

// Sees every opening of the file for writing, every change to it and its
// removal, whoever did it: root writes past a read-only mode unhindered.
class WriteWatch {
  public:
    static constexpr std::uint32_t kEvents =
        IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF;

    explicit WriteWatch(const QString& path) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(::inotify_add_watch(fd_, QFile::encodeName(path).constData(), kEvents), 0);
    }
    WriteWatch(const WriteWatch&) = delete;
    WriteWatch& operator=(const WriteWatch&) = delete;
    ~WriteWatch() { ::close(fd_); }

    // The events seen, as inotify's bits (IN_MODIFY 0x2, IN_ATTRIB 0x4, IN_CLOSE_WRITE 0x8,
    // IN_DELETE_SELF 0x400, IN_MOVE_SELF 0x800).
    [[nodiscard]] std::uint32_t Seen() const {
        std::uint32_t seen = 0;
        alignas(inotify_event) std::array<char, 4096> buffer{};
        for (ssize_t got = 0; (got = ::read(fd_, buffer.data(), buffer.size())) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                seen |= event->mask;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return seen;
    }

  private:
    int fd_;
};

QWidget* TopLevel(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String(name) && top->isVisible()) return top;
    }
    ADD_FAILURE() << name << " is not open";
    return nullptr;
}

class ReadOnlyProject : public ::testing::Test {
  protected:
    void SetUp() override {
        spj = folder.filePath(QStringLiteral("demo.spj"));
        ASSERT_TRUE(WriteWholeFile(spj.toStdString(), fixture::BuildDemoProject()).ok());
        // For anyone but root, a write would fail outright.
        ASSERT_TRUE(
            QFile::setPermissions(spj, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        dialogs.acceptPrinter = true;
    }

    // Clicks `button` of `window` with the print dialog set to write `pdf`,
    // and returns the text printed.
    QString PrintWith(const QWidget& window, const char* button, const char* pdf) {
        dialogs.printerOutputFile = folder.filePath(QString::fromLatin1(pdf));
        Child<QPushButton>(window, button)->click();
        return testkit::PdfText(dialogs.printerOutputFile);
    }

    QTemporaryDir folder;
    QString spj;
    testkit::FakeUserDialogs dialogs;
};

TEST_F(ReadOnlyProject, LoadingShowingPrintingAndPlayingLeaveTheFileUntouched) {
    const WriteWatch watch(spj);
    {
        SessionState session;
        MainWindow window(session, dialogs, DesktopWindows(session, dialogs));
        window.show();
        dialogs.chosenFiles.push_back(spj);
        Child<QPushButton>(window, "Command2")->click();
        ASSERT_TRUE(session.project) << "the read-only project was not loaded";
        EXPECT_TRUE(PrintWith(window, "Command1", "summary.pdf").contains("whistle.wav"));

        Child<QPushButton>(window, "Command5")->click();
        QWidget* cvs = TopLevel("CVShow");
        ASSERT_TRUE(cvs);
        EXPECT_TRUE(PrintWith(*cvs, "Command2", "cvs.pdf").contains("Whistle Volume"));

        Child<QPushButton>(window, "Command7")->click();
        QWidget* text = TopLevel("SPJText");
        ASSERT_TRUE(text);
        EXPECT_TRUE(PrintWith(*text, "Command2", "text.pdf").contains("Enjoy the sounds!"));

        Child<QPushButton>(window, "Command8")->click();
        QWidget* player = TopLevel("SoundTest");
        ASSERT_TRUE(player);
        Child<QListWidget>(*player, "SoundList")->setCurrentRow(0);
        Child<QPushButton>(*player, "cmdPlay")->click();
        EXPECT_TRUE(Child(*player, "RedNote")->isVisible()) << "the clip is not playing";
        dialogs.saveAnswer = folder.filePath(QStringLiteral("saved.wav"));
        Child<QPushButton>(*player, "cmdSave")->click();
        EXPECT_TRUE(QFile::exists(dialogs.saveAnswer));
        Child<QPushButton>(*player, "cmdrepeat")->click();
        EXPECT_TRUE(dialogs.critical.empty()) << dialogs.critical.front().toStdString();
        // The windows close with the main window, the player while it plays.
    }
    for (const auto report : {HeadlessReport::Summary, HeadlessReport::CVs, HeadlessReport::Text}) {
        const QString pdf = folder.filePath(QStringLiteral("headless.pdf"));
        EXPECT_TRUE(
            PrintFileToPdf(report, spj.toStdString(), pdf.toStdString(), {}, std::cout).ok());
    }

    EXPECT_EQ(watch.Seen(), 0U);
}

}  // namespace
}  // namespace tambrelox
