#pragma once

#include <QWidget>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "core/project/session_state.h"
#include "core/sound/clip_list.h"
#include "core/sound/temp_waves.h"
#include "ui/shared/user_dialogs.h"
#include "ui/shared/wave_device.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tambrelox {

class WaveformView;

// The player: lists the project's sound clips and plays the chosen one once,
// or repeated for about ten seconds. Return to Menu closes the window.
class SoundTest : public QWidget {
    Q_OBJECT

  public:
    SoundTest(SessionState& state, UserDialogs& dialogs, std::unique_ptr<WaveDevice> device,
              QWidget* parent = nullptr);
    ~SoundTest() override;

  protected:
    // Return to Menu, and the window manager's close, end up here.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void nameControlsForScreenReaders();
    void Form_Load();
    void SoundList_Click(int line);
    void cmdPlay_Click();
    void cmdrepeat_Click();
    void cmdStop_Click();
    void MMControl1_Done();
    void cmdQuit_Click();
    void cmdSave_Click();
    void Form_Unload();

    // Opens the device on `file` and starts it with a completion notice;
    // reports a failing command and hides the note again.
    void startPlay(const std::filesystem::path& file);
    void closeDevice();
    // A repeat play waits for the device to stop playing, whatever stopped it.
    void endRepeatWaitIfStopped();

    SessionState& state_;
    UserDialogs& dialogs_;
    std::unique_ptr<WaveDevice> MMControl1;
    std::shared_ptr<const Project> project_;  // the project the list was filled from
    std::vector<ListedClip> clips_;           // the list's lines
    TempWaves temps_;
    std::optional<std::size_t> K;  // directory entry of the clip in the clip file
    bool repeatWaiting_ = false;

    QLabel* Label3 = nullptr;
    QListWidget* SoundList = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* wavFile = nullptr;
    QLabel* fmtlabel = nullptr;
    QLabel* lblPlayLen = nullptr;
    QLabel* lblSizeNote = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdrepeat = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdQuit = nullptr;
    QLabel* RedNote = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    WaveformView* waveform_ = nullptr;
};

}  // namespace tambrelox
