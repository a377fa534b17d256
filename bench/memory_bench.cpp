// Memory over a long session: 10,000 projects opened one after another, first
// through the core alone, then in the main window with the event loop running
// between loads. Prints the resident set size before the first load, after a
// warm-up and at the end; exits 1 when it grew by more than a tenth after the
// warm-up.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "app/tambrelox/desktop_windows.h"
#include "core/grid/grid_model.h"
#include "core/grid/summary_grid.h"
#include "core/project/spj_reader.h"
#include "demo_project.h"
#include "spj_builder.h"
#include "ui/mainwindow/tambreloxmain.h"
#include "ui/shared/user_dialogs.h"
#include "wave_synth.h"

namespace {

using namespace tambrelox;

constexpr int kLoads = 10000;
constexpr int kWarmUpLoads = 500;  // fonts, caches and the allocator's pools settle first
constexpr int kDistinctFiles = 50;
constexpr double kMostGrowth = 1.10;

long ResidentKiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE) / 1024;
}

// Projects of different sizes and authors, and every seventh one damaged so
// that refusals are part of the mix.
std::vector<std::string> WriteProjects(const QTemporaryDir& folder) {
    const std::array waves{fixture::MakeWave(fixture::Whistle(0.8), 8),
                           fixture::MakeWave(fixture::Bell(0.6), 16),
                           fixture::MakeWave(fixture::Chuffs(1.0, 4), 12)};
    std::vector<std::string> paths;
    for (int n = 0; n < kDistinctFiles; ++n) {
        std::vector<std::uint8_t> bytes;
        if (n % 10 == 0) {
            bytes = fixture::BuildDemoProject();
        } else {
            fixture::SpjBuilder builder;
            builder.HeaderText("Memory project " + std::to_string(n) + " AUTHOR: Owner " +
                               std::to_string(n));
            for (int clip = 0; clip < 1 + n % 6; ++clip) {
                builder.Clip(static_cast<std::uint32_t>(10 + clip),
                             "clip" + std::to_string(n) + "-" + std::to_string(clip) + ".wav",
                             waves[static_cast<std::size_t>(clip) % waves.size()],
                             static_cast<std::uint8_t>(clip % 3));
            }
            fixture::ProgramCode code;
            for (int i = 0; i < 50 * n; ++i) code.Voice(static_cast<std::uint8_t>(1 + i % 3));
            builder.Code(code.Scheme(1).End()).StartupCVs({}).Text("Project " + std::to_string(n));
            bytes = builder.Build();
        }
        if (n % 7 == 3) bytes.resize(bytes.size() / 2);
        paths.push_back(folder.filePath(QStringLiteral("project%1.spj").arg(n)).toStdString());
        std::ofstream(paths.back(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    return paths;
}

// Answers every dialog at once, as a user clicking OK would.
class AnsweringDialogs : public UserDialogs {
  public:
    void Critical(QWidget*, const QString&) override {}
    void Information(QWidget*, const QString&) override {}
    QString OpenFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFile(QWidget*, const QString&, const QString&) override { return {}; }
    bool SetUpPrinter(QWidget*, QPrinter&) override { return false; }
};

bool Report(const char* what, long startKiB, long warmKiB, long endKiB) {
    const double ratio = static_cast<double>(endKiB) / static_cast<double>(warmKiB);
    std::printf(
        "%-12s resident before: %ld KiB, after %d loads: %ld KiB, after %d loads: %ld KiB, "
        "ratio %.3f\n",
        what, startKiB, kWarmUpLoads, warmKiB, kLoads, endKiB, ratio);
    std::fflush(stdout);
    return ratio <= kMostGrowth;
}

bool CoreLoads(const std::vector<std::string>& paths) {
    const NumberFormat format;
    const long startKiB = ResidentKiB();
    long warmKiB = 0;
    for (int n = 0; n < kLoads; ++n) {
        const std::string& path = paths[static_cast<std::size_t>(n) % paths.size()];
        const auto outcome = ReadProjectFile(path, "project.spj");
        if (outcome.ok()) {
            GridModel grid;
            PrepareSummaryGrid(grid);
            FillSummaryGrid(outcome.value(), format, grid);
        }
        if (n + 1 == kWarmUpLoads) warmKiB = ResidentKiB();
    }
    return Report("core:", startKiB, warmKiB, ResidentKiB());
}

bool WindowLoads(const std::vector<std::string>& paths) {
    const long startKiB = ResidentKiB();
    AnsweringDialogs dialogs;
    SessionState session;
    MainWindow window(session, dialogs, DesktopWindows(session, dialogs));
    window.show();
    long warmKiB = 0;
    int loads = 0;
    // One load a turn of the event loop, so every one is laid out and painted.
    QTimer next;
    QObject::connect(&next, &QTimer::timeout, [&] {
        const std::string& path = paths[static_cast<std::size_t>(loads) % paths.size()];
        window.OpenProject(QString::fromStdString(path));
        if (++loads == kWarmUpLoads) warmKiB = ResidentKiB();
        if (loads == kLoads) QCoreApplication::quit();
    });
    next.start(0);
    QApplication::exec();
    return Report("main window:", startKiB, warmKiB, ResidentKiB());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir folder;
    const std::vector<std::string> paths = WriteProjects(folder);
    const bool coreFlat = CoreLoads(paths);
    const bool windowFlat = WindowLoads(paths);
    return coreFlat && windowFlat ? 0 : 1;
}
