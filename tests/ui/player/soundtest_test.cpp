#include "ui/player/soundtest.h"

#include "window_test.h"

#include <functional>

#include <QLayout>

#include "core/base/captions.h"
#include "core/sound/repeat_wave.h"
#include "fake_clip_player.h"
#include "player_fixtures.h"
#include "ui/player/waveform_view.h"
#include "ui/shared/program_picture.h"

namespace tambrelox {
namespace {

using namespace testkit;
using Messages = std::vector<QString>;

fixture::WaveClip SilentClip(std::size_t bytes, int bits) {
    return fixture::MakeWave(std::vector<double>(bits == 8 ? bytes : bytes / 2, 0.0), bits);
}

// Clips of 11.8 and 11.803 seconds, a code block between clips, and a clip of a depth players do
// not name.
std::shared_ptr<const Project> PlayerProject() {
    fixture::WaveClip odd = SilentClip(2000, 16);
    odd.bytes[34] = 24;
    return ReadClips(
        std::move(fixture::SpjBuilder()
                      .Clip(9, "short.wav", fixture::MakeWave(fixture::Tone(440, 0.5), 8), 0)
                      .Clip(3, "edge.wav", SilentClip(130095, 8), 0)
                      .Entry({2, 0, {0xFF}, 1, 0, "PROGRAM"})
                      .Clip(5, "long.wav", SilentClip(130125, 8), 0)
                      .Clip(7, "wide.wav", SilentClip(44100, 16), 2)
                      .Clip(8, "odd.wav", odd, 2)));
}

class SoundTestWindow : public ::testing::Test {
  protected:
    SoundTestWindow() {
        state.projectFileName = "loco.spj";
        Open();
    }
    ~SoundTestWindow() override { delete window.data(); }

    // A fresh window on PlayerProject(), its temporary folder made below `tempRoot`.
    void Open(const std::filesystem::path& tempRoot = {}) {
        delete window.data();
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR",
                QByteArray::fromStdString((tempRoot.empty() ? scratch.path() : tempRoot)));
        state.project = PlayerProject();
        auto owned = std::make_unique<FakeClipPlayer>();
        player = owned.get();
        window = new ClipPlayerWindow(state, dialogs, std::move(owned));
        saved.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", saved);
        window->show();
    }

    QString text(const char* name) const { return Child<QLabel>(*window, name)->text(); }
    bool shown(const char* name) const { return Child(*window, name)->isVisible(); }
    bool enabled(const char* name) const { return Child(*window, name)->isEnabled(); }
    void select(int line) const { Child<QListWidget>(*window, "SoundList")->setCurrentRow(line); }
    void click(const char* name) const { Child<QPushButton>(*window, name)->click(); }

    // The files written below the temporary folders' root.
    std::vector<std::filesystem::path> Written() const {
        std::vector<std::filesystem::path> files;
        for (const auto& item : std::filesystem::recursive_directory_iterator(scratch.path()))
            if (item.is_regular_file()) files.push_back(item.path().filename());
        return files;
    }

    const ScratchFolder scratch;
    SessionState state;
    FakeUserDialogs dialogs;
    FakeClipPlayer* player = nullptr;
    QPointer<ClipPlayerWindow> window;
};

// The window as the user meets it, activated with the keyboard in the list:
// the clips in directory order and nothing chosen or written until the first
// Down arrow or click picks a clip.
TEST_F(SoundTestWindow, LoadsTheClipsInDirectoryOrderAndChoosesNothingUntilTheFirstPick) {
    for (const QString picked : {"short.wav", "edge.wav"}) {  // by Down arrow, then by mouse
        SCOPED_TRACE(picked.toStdString());
        Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        auto* list = Child<QListWidget>(*window, "SoundList");
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        EXPECT_EQ(lines, QStringList({"short.wav", "edge.wav", "long.wav", "wide.wav", "odd.wav"}));
        EXPECT_EQ(QApplication::focusWidget(), list);
        EXPECT_EQ(list->currentRow(), -1);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(text("wavFile"), "- None -");
        EXPECT_EQ(Child(*window, "Waveform")->accessibleDescription(),
                  "Pick a clip to see its sound");
        EXPECT_EQ(text("fmtlabel") + text("lblPlayLen"), "");
        EXPECT_FALSE(enabled("cmdPlay") || enabled("cmdrepeat") || enabled("cmdSave"));
        EXPECT_FALSE(shown("lblSizeNote") || shown("RedNote") || shown("cmdStop"));
        EXPECT_TRUE(shown("cmdrepeat"));
        EXPECT_TRUE(Written().empty());

        if (picked == "short.wav") {
            QTest::keyClick(list, Qt::Key_Down);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
        }
        EXPECT_EQ(text("wavFile"), picked);
        EXPECT_TRUE(enabled("cmdPlay") && enabled("cmdSave"));
        EXPECT_EQ(Written(), std::vector<std::filesystem::path>{"TempSound.wav"});
    }
    EXPECT_EQ(window->windowTitle(), "Play Sound Clips from  loco.spj");
    // The note from the core; its words are the web page test's.
    EXPECT_EQ(text("lblSizeNote").toStdString(), kSizeNote);
    EXPECT_EQ(Child<QPushButton>(*window, "cmdQuit")->text(), "Return to Menu");
    EXPECT_TRUE(dialogs.critical.empty());
}

// The size note shows past 11.8 seconds and stays; a clip of a depth players
// do not name keeps the format text shown before.
TEST_F(SoundTestWindow, SelectionWritesTheClipAndShowsItsTimeFormatAndName) {
    select(0);
    click("cmdPlay");
    const std::filesystem::path clipFile = player->calls.back().path;
    EXPECT_EQ(clipFile.filename(), "TempSound.wav");
    EXPECT_EQ(FileBytes(clipFile), BlockBytes(*state.project, 0));
    EXPECT_EQ(text("lblPlayLen"), "Play Time: 0.5 sec");
    EXPECT_EQ(text("fmtlabel"), "8 bit, Mono 11 khz");
    EXPECT_EQ(text("wavFile"), "short.wav");
    EXPECT_TRUE(enabled("cmdrepeat"));

    select(1);
    EXPECT_EQ(text("lblPlayLen"), "Play Time: 11.8 sec");
    EXPECT_FALSE(shown("lblSizeNote"));
    select(2);
    EXPECT_EQ(text("lblPlayLen"), "Play Time: 11.803 sec");
    EXPECT_TRUE(shown("lblSizeNote"));
    click("cmdrepeat");
    SaveScreenshot(*window, "soundtest.png");
    select(3);
    select(4);
    EXPECT_EQ(text("fmtlabel"), "16 bit, Mono 11 khz");
    EXPECT_EQ(text("wavFile"), "odd.wav");
    EXPECT_TRUE(shown("lblSizeNote"));
}

// Again while playing, the player starts afresh; the end of the play hides the
// note. The waveform, below everything the player had before, follows the play.
TEST_F(SoundTestWindow, PlayOncePlaysTheClipFileAndTheWaveformFollowsItToItsEnd) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto* view = Child<WaveformView>(*window, "Waveform");
    EXPECT_EQ(view->accessibleName(), "Waveform of the selected clip");
    EXPECT_GT(view->y(), Child(*window, "Label1")->geometry().bottom());
    EXPECT_EQ(view->width(), view->parentWidget()->layout()->contentsRect().width());
    select(0);
    player->processed = std::chrono::milliseconds(400);
    click("cmdPlay");
    click("cmdPlay");
    EXPECT_TRUE(shown("RedNote"));
    ASSERT_EQ(player->calls.size(), 2U);
    EXPECT_EQ(player->calls[0].what + "/" + player->calls[1].what, "play/play");
    EXPECT_EQ(player->calls[1].kind, PlayKind::Once);
    QTRY_VERIFY(view->PlayPosition() && *view->PlayPosition() > 0);
    view->repaint();
    SaveScreenshot(*window, "soundtest-waveform.png");
    player->Finish();
    EXPECT_EQ(player->calls.back().what, "stop");
    EXPECT_FALSE(shown("RedNote"));
    EXPECT_EQ(window->focusWidget(), Child(*window, "SoundList"));
    QTRY_VERIFY(!view->PlayPosition());
}

// Every control, the playing note and Stop included, has a name for screen
// readers. The size note keeps its place while hidden: nothing moves when a
// long clip shows it (that it fits, wrapped, is the layout test's).
TEST_F(SoundTestWindow, RepeatPlaysTheRepeatFileUntilDoneOrStoppedThenSwapsTheButtonsBack) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto* picture = Child<QLabel>(*window, "Image1");
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->pixmap().cacheKey(), ProgramPicture().cacheKey());
    EXPECT_GE(std::min(picture->width(), picture->height()), 205);
    ExpectSolidFace(*Child(*window, "cmdQuit"), QColor(255, 0, 0), Qt::black);
    const QRect returnBefore = Child(*window, "cmdQuit")->geometry();
    select(2);
    QCoreApplication::sendPostedEvents();
    ASSERT_TRUE(shown("lblSizeNote"));
    EXPECT_EQ(Child(*window, "cmdQuit")->geometry(), returnBefore);
    select(3);
    click("cmdrepeat");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Child(*window, "cmdQuit")->geometry(), returnBefore);  // nothing below moves
    EXPECT_TRUE(shown("cmdStop") && shown("RedNote") && !shown("cmdrepeat"));
    EXPECT_EQ(UnnamedControls(*window), std::vector<std::string>{});
    const std::filesystem::path repeatFile = player->calls.back().path;
    EXPECT_EQ(repeatFile.filename(), "TempSound.wav2");
    EXPECT_EQ(player->calls.back().kind, PlayKind::Repeating);
    EXPECT_EQ(FileBytes(repeatFile), BuildRepeatWave(state.project->block(4), 16).value());

    select(0);  // a selection while repeating leaves the stop button in its place
    EXPECT_TRUE(shown("cmdStop") && !shown("cmdrepeat"));

    for (const bool stopped : {false, true}) {  // the play ends by itself, or Stop ends it
        if (stopped) click("cmdrepeat");
        stopped ? click("cmdStop") : player->Finish();
        EXPECT_EQ(player->calls.back().what, "stop") << stopped;
        EXPECT_FALSE(player->IsPlaying() || shown("cmdStop") || shown("RedNote")) << stopped;
        EXPECT_TRUE(shown("cmdrepeat")) << stopped;
    }

    // The clip file cut inside its header.
    std::filesystem::resize_file(player->calls.front().path.parent_path() / "TempSound.wav", 40);
    player->calls.clear();
    click("cmdrepeat");  // a repeat file that cannot be built plays nothing
    EXPECT_EQ(dialogs.critical, Messages{"Problem reading Wavefile"});
    EXPECT_TRUE(player->calls.empty());
    EXPECT_FALSE(shown("cmdStop") || shown("RedNote"));
}

TEST_F(SoundTestWindow, AFailingDeviceIsReportedOnceAndTheWindowStaysUsableToSaveClips) {
    player->refusal = "The sound clip cannot be played: no sound device.";
    select(0);
    click("cmdPlay");
    EXPECT_EQ(dialogs.critical, Messages{"The sound clip cannot be played: no sound device."});
    EXPECT_FALSE(shown("RedNote") || player->IsPlaying());
    EXPECT_TRUE(enabled("cmdPlay") && enabled("SoundList"));

    click("cmdrepeat");
    EXPECT_EQ(dialogs.critical.size(), 2U);
    EXPECT_TRUE(shown("cmdrepeat"));
    for (const MessageOwner& owner : dialogs.messageOwners) {
        EXPECT_EQ(owner.window, window.data());
        EXPECT_TRUE(owner.windowShown);
    }

    // Save Clip As writes the selected clip where the user chose, or says why not.
    const std::filesystem::path& folder = scratch.path();
    select(3);
    dialogs.saveAnswer = QString::fromStdString((folder / "mine.wav").string());
    click("cmdSave");
    EXPECT_TRUE(dialogs.proposedSave.endsWith("/wide.wav"));
    EXPECT_EQ(FileBytes(folder / "mine.wav"), BlockBytes(*state.project, 4));

    dialogs.saveAnswer = QString::fromStdString((folder / "missing" / "x.wav").string());
    click("cmdSave");
    EXPECT_EQ(dialogs.critical.size(), 3U);
    EXPECT_TRUE(dialogs.critical[2].startsWith("The sound clip cannot be saved to "));
}

// Return to Menu, Esc and Ctrl+W from the list, which takes keys of its own,
// and the window manager's close box stop a repeat and close; once the main
// window deletes the closed player, no file is left behind.
TEST_F(SoundTestWindow, ReturnToMenuEscCtrlWAndTheCloseBoxStopCloseAndLeaveNoFile) {
    const std::pair<const char*, std::function<void(QListWidget&)>> closers[] = {
        {"Return to Menu", [this](QListWidget&) { click("cmdQuit"); }},
        {"Esc", [](QListWidget& list) { QTest::keyClick(&list, Qt::Key_Escape); }},
        {"Ctrl+W",
         [](QListWidget& list) { QTest::keyClick(&list, Qt::Key_W, Qt::ControlModifier); }},
        {"close box", [](QListWidget& list) { list.window()->windowHandle()->close(); }},
    };
    for (const auto& [name, close] : closers) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        auto* list = Child<QListWidget>(*window, "SoundList");
        list->setFocus();
        select(1);
        click("cmdrepeat");
        close(*list);
        EXPECT_FALSE(window->isVisible()) << name;
        EXPECT_EQ(player->calls.back().what, "stop") << name;
    }
    const std::filesystem::path folder = player->calls.front().path.parent_path();
    ASSERT_TRUE(std::filesystem::exists(folder / "TempSound.wav2"));
    delete window.data();
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_TRUE(dialogs.critical.empty());
}

// A window built where no temporary folder can be made (nobody, root included,
// can make one in /proc), and one without clips.
TEST_F(SoundTestWindow, NoTempFolderAbandonsTheSelectionAndNoClipsLeaveNothingToPlay) {
    Open("/proc");
    select(0);
    EXPECT_EQ(
        dialogs.critical,
        Messages{"The Play function needs to create a temporary file\nCannot write to /proc"});
    EXPECT_EQ(text("wavFile"), "- None -");
    EXPECT_FALSE(enabled("cmdPlay"));

    state.project = ReadClips(fixture::SpjBuilder());
    ClipPlayerWindow empty(state, dialogs, std::make_unique<FakeClipPlayer>());
    EXPECT_EQ(Child<QListWidget>(empty, "SoundList")->count(), 0);
    EXPECT_FALSE(Child(empty, "cmdPlay")->isEnabled() || Child(empty, "cmdrepeat")->isEnabled());
}

}  // namespace
}  // namespace tambrelox
