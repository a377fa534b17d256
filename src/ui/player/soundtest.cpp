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

#include <algorithm>

#include "core/base/captions.h"
#include "core/base/title_line.h"
#include "core/sound/clip_wave.h"
#include "core/sound/repeat_wave.h"
#include "ui/player/waveform_view.h"
#include "ui/shared/button_keys.h"
#include "ui/shared/program_picture.h"
#include "ui/shared/screen_fit.h"
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

SoundTest::SoundTest(SessionState& state, UserDialogs& dialogs, std::unique_ptr<WaveDevice> device,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      state_(state),
      dialogs_(dialogs),
      MMControl1(std::move(device)),
      project_(state.project) {
    setObjectName("SoundTest");
    UseDesignedFace(*this);
    buildControls();
    connect(SoundList, &QListWidget::currentRowChanged, this, &SoundTest::SoundList_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &SoundTest::cmdPlay_Click);
    connect(cmdrepeat, &QPushButton::clicked, this, &SoundTest::cmdrepeat_Click);
    connect(cmdStop, &QPushButton::clicked, this, &SoundTest::cmdStop_Click);
    connect(cmdSave, &QPushButton::clicked, this, &SoundTest::cmdSave_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &SoundTest::cmdQuit_Click);
    connect(MMControl1.get(), &WaveDevice::Done, this, &SoundTest::MMControl1_Done);
    ClickOnCloseKeys(*this, *cmdQuit);
    nameControlsForScreenReaders();
    Form_Load();
    FitToScreen(*this);
}

SoundTest::~SoundTest() {
    Form_Unload();
}

void SoundTest::buildControls() {
    Label3 = MakeLabel(this, "Label3", "Select Sound Clip (Wave File)");
    SoundList = new QListWidget(this);
    SoundList->setObjectName("SoundList");
    Label2 = MakeLabel(this, "Label2", "Selected Sound Clip (Wave File)");
    wavFile = MakeLabel(this, "wavFile", "- None -");
    wavFile->setFrameStyle(QFrame::Box | QFrame::Plain);
    wavFile->setAlignment(Qt::AlignCenter);
    wavFile->setMinimumWidth(220);
    fmtlabel = MakeLabel(this, "fmtlabel");
    lblPlayLen = MakeLabel(this, "lblPlayLen");
    // Its place is kept while hidden, so the window is sized for the whole
    // note and nothing moves when a long clip shows it.
    lblSizeNote =
        MakeLabel(this, "lblSizeNote",
                  QString::fromUtf8(kSizeNote.data(), static_cast<qsizetype>(kSizeNote.size())),
                  {.colour = kNoteRed, .keepPlaceWhenHidden = true});
    lblSizeNote->setWordWrap(true);
    cmdPlay = MakeButton(this, "cmdPlay", "Play Sound Clip Once");
    cmdrepeat = MakeButton(this, "cmdrepeat", "~10 Sec Repeat Play");
    cmdStop = MakeButton(this, "cmdStop", "Stop Repeat Play");
    cmdSave = MakeButton(this, "cmdSave", "Save Clip As...");
    cmdQuit = MakeButton(this, "cmdQuit", "Return to Menu", {.colour = Qt::red});
    RedNote = MakeLabel(this, "RedNote");
    RedNote->setPixmap(RedNotePicture());
    Image1 = MakeLabel(this, "Image1");
    ShowProgramPicture(*Image1);
    Label1 = MakeLabel(this, "Label1", {}, {.colour = QColor(0, 0, 255)});
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    waveform_ = new WaveformView(state_.numberFormat, this);

    cmdPlay->setEnabled(false);
    cmdrepeat->setEnabled(false);
    cmdStop->hide();
    cmdSave->setEnabled(false);
    lblSizeNote->hide();

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label3, 0, 0);
    layout->addWidget(SoundList, 1, 0, 9, 1);
    layout->addWidget(Label2, 0, 1, 1, 2);
    layout->addWidget(wavFile, 1, 1, 1, 2);
    layout->addWidget(fmtlabel, 2, 1);
    layout->addWidget(lblPlayLen, 3, 1);
    layout->addWidget(RedNote, 2, 2, 2, 1, Qt::AlignCenter);
    layout->addWidget(cmdPlay, 4, 1, 1, 2);
    layout->addWidget(cmdrepeat, 5, 1, 1,
                      2);  // cmdStop takes the same place: one of the two is seen
    layout->addWidget(cmdStop, 5, 1, 1, 2);
    layout->addWidget(cmdSave, 6, 1, 1, 2);
    layout->addWidget(lblSizeNote, 7, 1, 1, 2);
    layout->addWidget(Image1, 8, 1, 1, 2, Qt::AlignCenter);
    layout->setRowStretch(8, 1);
    layout->addWidget(cmdQuit, 9, 1, 1, 2);
    layout->addWidget(Label1, 10, 0, 1, 3);
    layout->addWidget(waveform_, 11, 0, 1, 3);  // below all else, so nothing else moves
    layout->setColumnStretch(0, 1);
}

// Captions name the buttons; what a caption leaves open, or a control without
// one, is said here.
void SoundTest::nameControlsForScreenReaders() {
    SoundList->setAccessibleName(QStringLiteral("Sound clips"));
    SoundList->setAccessibleDescription(QStringLiteral("Choosing a clip lets it be played"));
    wavFile->setAccessibleDescription(QStringLiteral("Selected sound clip"));
    fmtlabel->setAccessibleDescription(QStringLiteral("Format of the selected clip"));
    lblPlayLen->setAccessibleDescription(QStringLiteral("Play time of the selected clip"));
    RedNote->setAccessibleName(QStringLiteral("Playing"));
    RedNote->setAccessibleDescription(QStringLiteral("Shown while a clip plays"));
    cmdrepeat->setAccessibleDescription(
        QStringLiteral("Plays the selected clip over and over for about ten seconds"));
    cmdStop->setAccessibleDescription(QStringLiteral("Ends the repeat play"));
    cmdSave->setAccessibleDescription(QStringLiteral("Saves the selected clip as a wave file"));
    cmdQuit->setAccessibleDescription(QStringLiteral("Closes the player"));
}

void SoundTest::Form_Load() {
    if (project_) clips_ = ListedClips(*project_);
    for (const ListedClip& clip : clips_) SoundList->addItem(QString::fromStdString(clip.name));
    // Told outright that no line is current, the list does not make its first
    // line current, and so pick a clip, when it takes the focus: the first
    // arrow key or click picks one.
    SoundList->setCurrentIndex({});
    setWindowTitle("Play Sound Clips from  " + QString::fromStdString(state_.SPJFileName));
    Label1->setText(
        QString::fromUtf8(kTitleLine.data(), static_cast<qsizetype>(kTitleLine.size())));
    RedNote->hide();
}

void SoundTest::SoundList_Click(int line) {
    if (!project_ || line < 0) return;
    const ListedClip& clip = clips_.at(static_cast<std::size_t>(line));
    if (!temps_.writeClip(*project_, clip.entry).ok()) {
        dialogs_.Critical(this,
                          "The Play function needs to create a temporary file\nCannot write to " +
                              QString::fromStdString(temps_.folder().string()));
        return;
    }
    K = clip.entry;
    lblPlayLen->setText(
        QString::fromStdString(PlayTimeText(clip.playSeconds, state_.numberFormat)));
    if (NeedsSizeNote(clip.playSeconds)) lblSizeNote->show();
    if (const auto format = ClipFormatText(clip.bits)) {
        fmtlabel->setText(
            QString::fromUtf8(format->data(), static_cast<qsizetype>(format->size())));
    }
    wavFile->setText(QString::fromStdString(clip.name));
    waveform_->showClip(project_->block(clip.entry));
    cmdPlay->setEnabled(true);
    cmdrepeat->setEnabled(true);
    cmdrepeat->setVisible(!repeatWaiting_);  // during a repeat play its stop button holds the place
    cmdSave->setEnabled(true);
}

void SoundTest::cmdPlay_Click() {
    RedNote->show();
    startPlay(temps_.clipPath());
    waveform_->follow(*MMControl1, PlayKind::Once);
    endRepeatWaitIfStopped();
}

void SoundTest::cmdrepeat_Click() {
    cmdStop->show();
    cmdrepeat->hide();
    repaint();  // the swap is seen before the window stops answering for the build
    if (!K || !temps_.buildRepeat(project_->entries[*K].waveBits).ok()) {
        cmdStop->hide();
        cmdrepeat->show();
        dialogs_.Critical(this, QString::fromUtf8(kRepeatProblem.data(),
                                                  static_cast<qsizetype>(kRepeatProblem.size())));
        return;
    }
    RedNote->show();
    startPlay(temps_.repeatPath());
    waveform_->follow(*MMControl1, PlayKind::Repeating);
    repeatWaiting_ = true;
    endRepeatWaitIfStopped();
}

void SoundTest::cmdStop_Click() {
    closeDevice();
    cmdStop->hide();
    RedNote->hide();
    endRepeatWaitIfStopped();
}

void SoundTest::MMControl1_Done() {
    closeDevice();
    RedNote->hide();
    SoundList->setFocus();
    endRepeatWaitIfStopped();
}

void SoundTest::cmdQuit_Click() {
    close();
}

void SoundTest::cmdSave_Click() {
    if (!K) return;
    const auto clip = std::ranges::find(clips_, *K, &ListedClip::entry);
    const QString proposed = QDir::home().filePath(QString::fromStdString(clip->fileName));
    const QString path = dialogs_.SaveFile(this, proposed, "Wave Files (*.wav)");
    if (path.isEmpty()) return;
    if (!WriteClipWave(*project_, *K, path.toStdString()).ok()) {
        dialogs_.Critical(this, "The sound clip cannot be saved to " + path + ".");
    }
}

void SoundTest::Form_Unload() {
    temps_.DeleteTempWaves();
    closeDevice();
}

void SoundTest::closeEvent(QCloseEvent* event) {
    closeDevice();
    QWidget::closeEvent(event);
}

void SoundTest::startPlay(const std::filesystem::path& file) {
    closeDevice();  // a play in progress ends before the next one opens
    MMControl1->setSettings({.notify = false,
                             .shareable = false,
                             .deviceType = QStringLiteral("WaveAudio"),
                             .fileName = QString::fromStdString(file.string())});
    auto problem = MMControl1->Command(WaveCommand::Open);
    if (!problem) {
        MMControl1->setNotify(true);
        problem = MMControl1->Command(WaveCommand::Play);
    }
    if (problem) {
        closeDevice();
        RedNote->hide();
        dialogs_.Critical(this, *problem);
    }
}

void SoundTest::closeDevice() {
    waveform_->stopFollowing();
    (void)MMControl1->Command(WaveCommand::Close);
}

void SoundTest::endRepeatWaitIfStopped() {
    if (!repeatWaiting_ || MMControl1->Mode() == WaveMode::Playing) return;
    repeatWaiting_ = false;
    cmdStop->hide();
    cmdrepeat->show();
}

}  // namespace tambrelox
