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
#include "ui/shared/clip_player.h"
#include "ui/shared/user_dialogs.h"

class QLabel;
class QListWidget;
class QPushButton;
class QStackedLayout;

namespace tambrelox {

class WaveformView;

// The player: lists the project's sound clips and plays the chosen one once,
// or repeated for about ten seconds. Return to Menu closes the window.
class ClipPlayerWindow : public QWidget {
    Q_OBJECT

  public:
    ClipPlayerWindow(SessionState& state, UserDialogs& dialogs, std::unique_ptr<ClipPlayer> player,
                     QWidget* parent = nullptr);
    ~ClipPlayerWindow() override;

  protected:
    // Return to Menu, and the window manager's close box, end up here.
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void ArrangeControls();
    void NameControlsForScreenReaders();
    void ListClips();
    void ShowPickedClip(int line);
    void PlayPickedClipOnce();
    void PlayPickedClipRepeated();
    void StopRepeatPlay();
    void OnPlayFinished();
    void SavePickedClip();

    // Plays `file`; a refusal is reported and the playing note hidden again.
    void StartPlay(const std::filesystem::path& file, PlayKind kind);
    void StopPlaying();
    // A repeat play waits for the player to stop, whatever stopped it.
    void EndRepeatWaitIfStopped();
    void ShowRepeatButton(bool repeatShown);

    SessionState& state_;
    UserDialogs& dialogs_;
    std::unique_ptr<ClipPlayer> player_;
    std::shared_ptr<const Project> project_;  // the project the list was filled from
    std::vector<ListedClip> clips_;           // the list's lines
    TempWaves temps_;
    std::optional<std::size_t> pickedEntry_;  // directory entry of the clip in the clip file
    bool repeatWaiting_ = false;

    QLabel* listCaption_ = nullptr;
    QListWidget* clipList_ = nullptr;
    QLabel* pickedCaption_ = nullptr;
    QLabel* pickedName_ = nullptr;
    QLabel* formatLabel_ = nullptr;
    QLabel* playTimeLabel_ = nullptr;
    QLabel* sizeNote_ = nullptr;
    QPushButton* playOnceButton_ = nullptr;
    QPushButton* repeatButton_ = nullptr;
    QPushButton* stopRepeatButton_ = nullptr;
    QStackedLayout* repeatOrStop_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* returnButton_ = nullptr;
    QLabel* playingNote_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* titleLine_ = nullptr;
    WaveformView* waveform_ = nullptr;
};

}  // namespace tambrelox
