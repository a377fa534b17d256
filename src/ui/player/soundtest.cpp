#include "ui/player/soundtest.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QStackedLayout>

#include <algorithm>

#include "core/base/captions.h"
#include "core/base/title_line.h"
#include "core/sound/clip_wave.h"
#include "core/sound/repeat_wave.h"
#include "ui/player/waveform_view.h"
#include "ui/shared/button_keys.h"
#include "ui/shared/program_picture.h"
#include "ui/shared/widget_factory.h"
#include "ui/shared/window_look.h"

namespace tambrelox {
namespace {

// Pure red text cannot be read on a light face; this red can.
const QColor kNoteRed(192, 0, 0);

// A small red quaver: shown while a clip plays.
QPixmap RedNotePicture() {
    QPixmap picture(24, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 2.5));
    painter.drawLine(QPointF(14, 25), QPointF(14, 3));
    QPainterPath flag(QPointF(14, 3));
    flag.cubicTo(QPointF(16, 10), QPointF(23, 11), QPointF(20, 19));
    painter.drawPath(flag);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.translate(9, 26);
    painter.rotate(-25);
    painter.drawEllipse(QPointF(0, 0), 6, 4);
    return picture;
}

}  // namespace

ClipPlayerWindow::ClipPlayerWindow(SessionState& state, UserDialogs& dialogs,
                                   std::unique_ptr<ClipPlayer> player, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      dialogs_(dialogs),
      player_(std::move(player)),
      project_(state.project) {
    setObjectName("SoundTest");
    UseDesignedFace(*this);
    CreateControls();
    ArrangeControls();
    connect(clipList_, &QListWidget::currentRowChanged, this, &ClipPlayerWindow::ShowPickedClip);
    connect(playOnceButton_, &QPushButton::clicked, this, &ClipPlayerWindow::PlayPickedClipOnce);
    connect(repeatButton_, &QPushButton::clicked, this, &ClipPlayerWindow::PlayPickedClipRepeated);
    connect(stopRepeatButton_, &QPushButton::clicked, this, &ClipPlayerWindow::StopRepeatPlay);
    connect(saveButton_, &QPushButton::clicked, this, &ClipPlayerWindow::SavePickedClip);
    connect(returnButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(player_.get(), &ClipPlayer::finished, this, &ClipPlayerWindow::OnPlayFinished);
    ClickOnCloseKeys(*this, *returnButton_);
    NameControlsForScreenReaders();
    ListClips();
    FitToScreen(*this);
}

ClipPlayerWindow::~ClipPlayerWindow() {
    temps_.DeleteTempWaves();
    StopPlaying();
}

void ClipPlayerWindow::CreateControls() {
    listCaption_ = MakeLabel(this, "Label3", "Select Sound Clip (Wave File)");
    clipList_ = new QListWidget(this);
    clipList_->setObjectName("SoundList");
    pickedCaption_ = MakeLabel(this, "Label2", "Selected Sound Clip (Wave File)");
    pickedName_ = MakeLabel(this, "wavFile", "- None -");
    pickedName_->setFrameStyle(QFrame::Box | QFrame::Plain);
    pickedName_->setAlignment(Qt::AlignCenter);
    pickedName_->setMinimumWidth(220);
    formatLabel_ = MakeLabel(this, "fmtlabel");
    playTimeLabel_ = MakeLabel(this, "lblPlayLen");
    // Its place is kept while hidden, so the window is sized for the whole
    // note and nothing moves when a long clip shows it.
    sizeNote_ =
        MakeLabel(this, "lblSizeNote",
                  QString::fromUtf8(kSizeNote.data(), static_cast<qsizetype>(kSizeNote.size())),
                  {.colour = kNoteRed, .keepPlaceWhenHidden = true});
    sizeNote_->setWordWrap(true);
    playOnceButton_ = MakeButton(this, "cmdPlay", "Play Sound Clip Once");
    repeatButton_ = MakeButton(this, "cmdrepeat", "~10 Sec Repeat Play");
    stopRepeatButton_ = MakeButton(this, "cmdStop", "Stop Repeat Play");
    saveButton_ = MakeButton(this, "cmdSave", "Save Clip As...");
    returnButton_ = MakeButton(this, "cmdQuit", "Return to Menu", {.colour = Qt::red});
    playingNote_ = MakeLabel(this, "RedNote");
    playingNote_->setPixmap(RedNotePicture());
    picture_ = MakeLabel(this, "Image1");
    ShowProgramPicture(*picture_);
    titleLine_ = MakeLabel(this, "Label1", {}, {.colour = QColor(0, 0, 255)});
    titleLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    titleLine_->setText(
        QString::fromUtf8(kTitleLine.data(), static_cast<qsizetype>(kTitleLine.size())));
    waveform_ = new WaveformView(state_.numberFormat, this);

    playOnceButton_->setEnabled(false);
    repeatButton_->setEnabled(false);
    saveButton_->setEnabled(false);
    sizeNote_->hide();
    playingNote_->hide();
}

void ClipPlayerWindow::ArrangeControls() {
    // One place for the two repeat buttons, as high as the taller: nothing
    // below moves when one replaces the other.
    repeatOrStop_ = new QStackedLayout;
    repeatOrStop_->addWidget(repeatButton_);
    repeatOrStop_->addWidget(stopRepeatButton_);

    auto* layout = new QGridLayout(ScrolledContent(*this));
    // The two captions side by side stay apart at any font size.
    layout->setHorizontalSpacing(2 * layout->horizontalSpacing());
    layout->addWidget(listCaption_, 0, 0);
    layout->addWidget(clipList_, 1, 0, 9, 1);
    layout->addWidget(pickedCaption_, 0, 1, 1, 2);
    layout->addWidget(pickedName_, 1, 1, 1, 2);
    layout->addWidget(formatLabel_, 2, 1);
    layout->addWidget(playTimeLabel_, 3, 1);
    layout->addWidget(playingNote_, 2, 2, 2, 1, Qt::AlignCenter);
    layout->addWidget(playOnceButton_, 4, 1, 1, 2);
    layout->addLayout(repeatOrStop_, 5, 1, 1, 2);
    layout->addWidget(saveButton_, 6, 1, 1, 2);
    layout->addWidget(sizeNote_, 7, 1, 1, 2);
    layout->addWidget(picture_, 8, 1, 1, 2, Qt::AlignCenter);
    layout->setRowStretch(8, 1);
    layout->addWidget(returnButton_, 9, 1, 1, 2);
    layout->addWidget(titleLine_, 10, 0, 1, 3);
    layout->addWidget(waveform_, 11, 0, 1, 3);  // below all else, so nothing else moves
    layout->setColumnStretch(0, 1);
}

// Captions name the buttons; what a caption leaves open, or a control without
// one, is said here.
void ClipPlayerWindow::NameControlsForScreenReaders() {
    clipList_->setAccessibleName(QStringLiteral("Sound clips"));
    clipList_->setAccessibleDescription(QStringLiteral("Choosing a clip lets it be played"));
    pickedName_->setAccessibleDescription(QStringLiteral("Selected sound clip"));
    formatLabel_->setAccessibleDescription(QStringLiteral("Format of the selected clip"));
    playTimeLabel_->setAccessibleDescription(QStringLiteral("Play time of the selected clip"));
    playingNote_->setAccessibleName(QStringLiteral("Playing"));
    playingNote_->setAccessibleDescription(QStringLiteral("Shown while a clip plays"));
    repeatButton_->setAccessibleDescription(
        QStringLiteral("Plays the selected clip over and over for about ten seconds"));
    stopRepeatButton_->setAccessibleDescription(QStringLiteral("Ends the repeat play"));
    saveButton_->setAccessibleDescription(QStringLiteral("Saves the selected clip as a wave file"));
    returnButton_->setAccessibleDescription(QStringLiteral("Closes the player"));
}

void ClipPlayerWindow::ListClips() {
    if (project_) clips_ = ListedClips(*project_);
    for (const ListedClip& clip : clips_) clipList_->addItem(QString::fromStdString(clip.name));
    // Told outright that no line is current, the list does not make its first
    // line current, and so pick a clip, when it takes the focus: the first
    // arrow key or click picks one.
    clipList_->setCurrentIndex({});
    setWindowTitle("Play Sound Clips from  " + QString::fromStdString(state_.projectFileName));
}

void ClipPlayerWindow::ShowPickedClip(int line) {
    if (!project_ || line < 0) return;
    const ListedClip& clip = clips_.at(static_cast<std::size_t>(line));
    if (!temps_.WriteClip(*project_, clip.entry).ok()) {
        dialogs_.Critical(this,
                          "The Play function needs to create a temporary file\nCannot write to " +
                              QString::fromStdString(temps_.Folder().string()));
        return;
    }
    pickedEntry_ = clip.entry;
    playTimeLabel_->setText(
        QString::fromStdString(PlayTimeText(clip.playSeconds, state_.numberFormat)));
    if (NeedsSizeNote(clip.playSeconds)) sizeNote_->show();
    if (const auto format = ClipFormatText(clip.bits)) {
        formatLabel_->setText(
            QString::fromUtf8(format->data(), static_cast<qsizetype>(format->size())));
    }
    pickedName_->setText(QString::fromStdString(clip.name));
    waveform_->ShowClip(project_->block(clip.entry));
    playOnceButton_->setEnabled(true);
    repeatButton_->setEnabled(true);
    saveButton_->setEnabled(true);
}

void ClipPlayerWindow::PlayPickedClipOnce() {
    StartPlay(temps_.ClipPath(), PlayKind::Once);
    EndRepeatWaitIfStopped();
}

void ClipPlayerWindow::PlayPickedClipRepeated() {
    ShowRepeatButton(false);
    repaint();  // the swap is seen before the window stops answering for the build
    if (!pickedEntry_ || !temps_.BuildRepeat(project_->entries[*pickedEntry_].waveBits).ok()) {
        ShowRepeatButton(true);
        dialogs_.Critical(this, QString::fromUtf8(kRepeatProblem.data(),
                                                  static_cast<qsizetype>(kRepeatProblem.size())));
        return;
    }
    StartPlay(temps_.RepeatPath(), PlayKind::Repeating);
    repeatWaiting_ = true;
    EndRepeatWaitIfStopped();
}

void ClipPlayerWindow::StopRepeatPlay() {
    StopPlaying();
    EndRepeatWaitIfStopped();
}

void ClipPlayerWindow::OnPlayFinished() {
    StopPlaying();
    clipList_->setFocus();
    EndRepeatWaitIfStopped();
}

void ClipPlayerWindow::SavePickedClip() {
    if (!pickedEntry_) return;
    const auto clip = std::ranges::find(clips_, *pickedEntry_, &ListedClip::entry);
    const QString proposed = QDir::home().filePath(QString::fromStdString(clip->fileName));
    const QString path = dialogs_.SaveFile(this, proposed, "Wave Files (*.wav)");
    if (path.isEmpty()) return;
    if (!WriteClipWave(*project_, *pickedEntry_, path.toStdString()).ok()) {
        dialogs_.Critical(this, "The sound clip cannot be saved to " + path + ".");
    }
}

void ClipPlayerWindow::closeEvent(QCloseEvent* event) {
    StopPlaying();
    QWidget::closeEvent(event);
}

void ClipPlayerWindow::StartPlay(const std::filesystem::path& file, PlayKind kind) {
    waveform_->StopFollowing();
    playingNote_->show();
    const Outcome<void> played = player_->Play(file, kind);
    if (!played.ok()) {
        playingNote_->hide();
        dialogs_.Critical(this, QString::fromStdString(played.refusal().message));
        return;
    }
    waveform_->Follow(*player_);
}

void ClipPlayerWindow::StopPlaying() {
    waveform_->StopFollowing();
    player_->Stop();
    playingNote_->hide();
}

void ClipPlayerWindow::EndRepeatWaitIfStopped() {
    if (!repeatWaiting_ || player_->IsPlaying()) return;
    repeatWaiting_ = false;
    ShowRepeatButton(true);
}

void ClipPlayerWindow::ShowRepeatButton(bool repeatShown) {
    repeatOrStop_->setCurrentWidget(repeatShown ? repeatButton_ : stopRepeatButton_);
}

}  // namespace tambrelox
