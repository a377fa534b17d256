// The player's two costs a user notices, in one run under scripts/with-null-sink:
// how long after "Play Sound Clip Once" the sound is heard, and how long a
// repeat play file takes to build, against sox repeating the same clip.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/base/file_bytes.h"
#include "core/project/spj_reader.h"
#include "core/sound/temp_waves.h"
#include "spj_builder.h"
#include "ui/player/soundtest.h"
#include "ui/shared/audio_back_end.h"
#include "ui/shared/user_dialogs.h"

namespace {

using namespace tambrelox;

constexpr int kGiveUpMs = 3000;

// A clip loud from its first sample, so the first sound is its first sample.
fixture::WaveClip LoudClip(int bits, double seconds) {
    std::vector<double> samples(static_cast<std::size_t>(seconds * fixture::kSampleRate));
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = i % 20 < 10 ? 0.5 : -0.5;
    return fixture::MakeWave(samples, bits);
}

std::shared_ptr<const Project> BenchProject() {
    fixture::SpjBuilder builder;
    builder.Clip(1, "beep.wav", LoudClip(16, 0.3), 2)
        .Clip(2, "chuff.wav", LoudClip(8, 0.5), 0)
        .Code(fixture::ProgramCode().Voice(1).Scheme(1).End())
        .StartupCVs({})
        .Text("Bench\r\n");
    return std::make_shared<const Project>(ReadProject(builder.Build(), "bench.spj").value());
}

// Records the null sink's monitor and notes when the first sound arrives.
class Monitor {
  public:
    Monitor() {
        QObject::connect(&recorder_, &QProcess::readyReadStandardOutput, [this] { take(); });
        recorder_.start("parec", {"-d", "exact.monitor", "--raw", "--format=s16le", "--rate=11025",
                                  "--channels=1", "--latency-msec=5"});
        QSignalSpy started(&recorder_, &QProcess::readyReadStandardOutput);
        running_ = started.wait(kGiveUpMs);
    }
    ~Monitor() {
        recorder_.kill();
        recorder_.waitForFinished();
    }
    [[nodiscard]] bool running() const { return running_; }

    // Milliseconds from now until the first non-silent sample, after `start` runs.
    template <class Start>
    std::optional<double> msUntilSound(Start start) {
        QEventLoop loop;
        heard_ = [&loop] { loop.quit(); };
        QTimer::singleShot(kGiveUpMs, &loop, &QEventLoop::quit);
        clock_.start();
        heardAt_.reset();
        start();
        if (!heardAt_) loop.exec();
        heard_ = nullptr;
        return heardAt_;
    }

  private:
    void take() {
        const QByteArray raw = recorder_.readAllStandardOutput();
        if (!heard_ || heardAt_) return;
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
            if (raw[i] != 0 || raw[i + 1] != 0) {
                heardAt_ = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
                heard_();
                return;
            }
        }
    }

    QProcess recorder_;
    bool running_ = false;
    QElapsedTimer clock_;
    std::optional<double> heardAt_;
    std::function<void()> heard_;
};

void BM_PlayOnceUntilHeard(benchmark::State& state) {
    Monitor monitor;
    if (!monitor.running()) {
        state.SkipWithError("no null sink monitor: run under scripts/with-null-sink");
        return;
    }
    SessionState session;
    session.project = BenchProject();
    QtUserDialogs dialogs;
    auto owned = MakeAudioClipPlayer();
    ClipPlayer* player = owned.get();
    ClipPlayerWindow window(session, dialogs, std::move(owned));
    window.findChild<QListWidget*>("SoundList")->setCurrentRow(0);
    auto* play = window.findChild<QPushButton*>("cmdPlay");
    for (auto _ : state) {
        QSignalSpy done(player, &ClipPlayer::finished);
        const auto ms = monitor.msUntilSound([play] { play->click(); });
        if (!ms) {
            state.SkipWithError("the sound never arrived");
            return;
        }
        state.SetIterationTime(*ms / 1000.0);
        done.wait(kGiveUpMs);  // the next play starts from silence
    }
}
BENCHMARK(BM_PlayOnceUntilHeard)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

struct RepeatBench {
    TempWaves temps;
    std::shared_ptr<const Project> project = BenchProject();
    RepeatBench() { (void)temps.WriteClip(*project, 1); }
};

void BM_BuildRepeatWave(benchmark::State& state) {
    const RepeatBench bench;
    for (auto _ : state) {
        if (!bench.temps.BuildRepeat(8).ok()) state.SkipWithError("repeat not built");
    }
}
BENCHMARK(BM_BuildRepeatWave)->Unit(benchmark::kMicrosecond);

void BM_SoxRepeat(benchmark::State& state) {
    const RepeatBench bench;
    // Ten seconds of the 0.5-second clip: the clip and 19 repeats, as the player builds it.
    const std::string command = "sox '" + bench.temps.ClipPath().string() + "' -t wav '" +
                                bench.temps.RepeatPath().string() + "' repeat 19";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("sox failed");
    }
}
BENCHMARK(BM_SoxRepeat)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
