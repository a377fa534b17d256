// The core's calls the web page makes, each taking the file's bytes and name
// as the page read them, and answering with plain JavaScript objects: the
// values the desktop program shows, or {refused} with its message.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/base/captions.h"
#include "core/base/file_bytes.h"
#include "core/base/text.h"
#include "core/base/title_line.h"
#include "core/cv/cv_table.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"
#include "core/project/chosen_file.h"
#include "core/project/flash_budget.h"
#include "core/project/spj_reader.h"
#include "core/project/summary.h"
#include "core/project/text_lines.h"
#include "core/report/catalogue_row.h"
#include "core/report/diff_lines.h"
#include "core/report/plain_reports.h"
#include "core/report/project_diff.h"
#include "core/report/report_frame.h"
#include "core/sound/clip_list.h"
#include "core/sound/clip_wave.h"
#include "core/sound/pcm_wave.h"
#include "core/sound/repeat_wave.h"
#include "core/sound/waveform_envelope.h"

namespace tambrelox::web {
namespace {

using emscripten::val;

// The separators the desktop program falls back on where a locale names none.
const NumberFormat kFormat;

val Refused(const Refusal& refusal) {
    val result = val::object();
    result.set("refused", refusal.message);
    return result;
}

val Row(const GridModel& grid, int row) {
    val cells = val::array();
    for (int col = 0; col < grid.Cols(); ++col) cells.call<void>("push", grid.Cell(row, col));
    return cells;
}

// Which cells of a row hold a number, which the desktop's grid sets to the right.
val Numbers(const GridModel& grid, int row) {
    val numbers = val::array();
    for (int col = 0; col < grid.Cols(); ++col) {
        numbers.call<void>("push", grid.Number(row, col).has_value());
    }
    return numbers;
}

// The grid's headings, the rows below them, which columns are centred and
// which cells are numbers.
val Table(const GridModel& grid) {
    val rows = val::array();
    val right = val::array();
    for (int row = 1; row < grid.Rows(); ++row) {
        rows.call<void>("push", Row(grid, row));
        right.call<void>("push", Numbers(grid, row));
    }
    val centred = val::array();
    for (int col = 0; col < grid.Cols(); ++col) {
        centred.call<void>("push", grid.ColAlignment(col) == GridAlignment::Centre);
    }
    val table = val::object();
    table.set("headings", Row(grid, 0));
    table.set("centred", centred);
    table.set("rows", rows);
    table.set("right", right);
    return table;
}

val Text(const std::string& text) {
    val result = val::object();
    result.set("text", text);
    return result;
}

// A copy owned by JavaScript, so it outlives the call.
val Wave(std::span<const std::uint8_t> bytes) {
    val result = val::object();
    result.set(
        "wave",
        val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data())));
    return result;
}

// The elements of a typed array, copied in one go into storage that is not
// zeroed first: a vector made at its size (as embind's own conversion makes
// it) is zeroed an element at a time here, which cost more than the reading.
template <class T>
std::vector<T> CopiedArray(const val& array) {
    const auto size = array["length"].as<std::size_t>();
    const std::unique_ptr<T[]> copied(new T[size]);
    val(emscripten::typed_memory_view(size, copied.get())).call<void>("set", array);
    return std::vector<T>(copied.get(), copied.get() + size);
}

std::vector<std::uint8_t> BytesOf(const val& array) {
    return CopiedArray<std::uint8_t>(array);
}

Outcome<Project> Open(const val& bytes, const ChosenFile& file) {
    const auto size = static_cast<std::uint64_t>(bytes["length"].as<double>());
    if (auto checked = CheckProjectFileSize(size, file.fileName); !checked.ok()) {
        return checked.refusal();
    }
    return ReadProject(BytesOf(bytes), file.fileName);
}

// Runs `show` on the project the bytes hold, or answers with the refusal.
template <class Show>
val WithProject(const val& bytes, const std::string& name, Show show) {
    // A file picked in the page has no folder the page may know: only its name.
    const ChosenFile file = SplitChosenPath(name);
    const auto project = Open(bytes, file);
    if (!project.ok()) return Refused(project.refusal());
    return show(file, project.value());
}

// As WithProject, for the views of the startup CVs, which a block cut short refuses.
template <class Show>
val WithStartupCVs(const val& bytes, const std::string& name, Show show) {
    return WithProject(bytes, name, [&](const ChosenFile& file, const Project& project) {
        if (const auto cvs = CheckStartupCVs(project, file.fileName); !cvs.ok()) {
            return Refused(cvs.refusal());
        }
        return show(file, project);
    });
}

val Summary(const val& bytes, const std::string& name) {
    return WithProject(bytes, name, [](const ChosenFile& file, const Project& project) {
        val result = Table(SummaryGrid(project, kFormat));
        result.set("file", Utf8Upper(file.fileName));
        result.set("author", ShownAuthor(project.author));
        result.set("requirement", project.summary.requirement);
        const FlashBudget budget = AssessFlashBudget(project.summary, kFormat);
        val shownBudget = val::object();
        shownBudget.set("nearlyFull", budget.level == FlashLevel::NearlyFull);
        shownBudget.set("overLimit", budget.level == FlashLevel::OverLimit);
        shownBudget.set("filled", budget.filled);
        shownBudget.set("text", budget.text);
        shownBudget.set("explanation", FlashBudgetExplanation(kFormat));
        result.set("budget", shownBudget);
        return result;
    });
}

val CVTable(const val& bytes, const std::string& name) {
    return WithStartupCVs(bytes, name, [](const ChosenFile&, const Project& project) {
        val result = Table(CVGrid(project));
        result.set("note", std::string(kCustomCVNameNote));
        return result;
    });
}

val DescriptiveText(const val& bytes, const std::string& name) {
    return WithProject(bytes, name, [](const ChosenFile&, const Project& project) {
        const std::vector<std::string> lines = DescriptiveTextLines(project.descriptiveText());
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\n" : "") + lines[i];
        return Text(text);
    });
}

val ClipList(const val& bytes, const std::string& name) {
    return WithProject(bytes, name, [](const ChosenFile&, const Project& project) {
        val clips = val::array();
        for (const ListedClip& clip : ListedClips(project)) {
            val item = val::object();
            item.set("name", clip.name);
            item.set("fileName", clip.fileName);
            item.set("bits", clip.bits);
            item.set("format", std::string(ClipFormatText(clip.bits).value_or("")));
            item.set("playTime", PlayTimeText(clip.playSeconds, kFormat));
            item.set("playSeconds", clip.playSeconds);
            if (NeedsSizeNote(clip.playSeconds)) item.set("sizeNote", std::string(kSizeNote));
            clips.call<void>("push", item);
        }
        val result = val::object();
        result.set("clips", clips);
        return result;
    });
}

// Line `line` of the player's list, or a refusal naming the lines there are.
template <class Show>
val WithClip(const val& bytes, const std::string& name, int line, Show show) {
    return WithProject(bytes, name, [&](const ChosenFile&, const Project& project) {
        const std::vector<ListedClip> list = ListedClips(project);
        if (line < 0 || static_cast<std::size_t>(line) >= list.size()) {
            return Refused(
                {RefusalKind::BadArgument, "there is no clip on line " + std::to_string(line)});
        }
        return show(project, list[static_cast<std::size_t>(line)]);
    });
}

val ClipWave(const val& bytes, const std::string& name, int line) {
    return WithClip(bytes, name, line, [](const Project& project, const ListedClip& clip) {
        return Wave(project.block(clip.entry).bytes());
    });
}

val RepeatWave(const val& bytes, const std::string& name, int line) {
    return WithClip(bytes, name, line, [](const Project& project, const ListedClip& clip) {
        const auto wave = BuildRepeatWave(project.block(clip.entry), clip.bits);
        return wave.ok() ? Wave(wave.value()) : Refused(wave.refusal());
    });
}

// A wave file's sound as the desktop player's device takes it, for Web Audio.
val PcmSound(const val& wave) {
    const std::vector<std::uint8_t> bytes = BytesOf(wave);
    const auto sound = ReadPcmWave(ByteView(bytes));
    if (!sound.ok()) return Refused(sound.refusal());
    const std::vector<std::int16_t>& samples = sound.value().samples;
    val result = val::object();
    result.set("channels", sound.value().channels);
    result.set("sampleRate", sound.value().sampleRate);
    result.set("samples", val::global("Int16Array")
                              .new_(emscripten::typed_memory_view(samples.size(), samples.data())));
    return result;
}

// Each pixel column's lowest and highest sample, for drawing the wave `columns` wide.
val Envelope(const val& samples, int columns) {
    const auto pcm = CopiedArray<std::int16_t>(samples);
    val low = val::array();
    val high = val::array();
    for (const EnvelopeColumn& column : WaveformEnvelope(pcm, static_cast<std::size_t>(columns))) {
        low.call<void>("push", column.low);
        high.call<void>("push", column.high);
    }
    val result = val::object();
    result.set("low", low);
    result.set("high", high);
    return result;
}

double Position(double playedSeconds, double clipSeconds, bool repeating) {
    return PositionInClip(playedSeconds, clipSeconds,
                          repeating ? PlayKind::Repeating : PlayKind::Once);
}

val SummaryReport(const val& bytes, const std::string& name) {
    return WithProject(bytes, name, [](const ChosenFile& file, const Project& project) {
        return Text(SummaryReportText(file, project, kFormat, PrintedNow()));
    });
}

val CVReport(const val& bytes, const std::string& name) {
    return WithStartupCVs(bytes, name, [](const ChosenFile& file, const Project& project) {
        return Text(CVReportText(file, project, PrintedNow()));
    });
}

val Strings(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) array.call<void>("push", text);
    return array;
}

val CatalogueHeading() {
    return Strings(tambrelox::CatalogueHeading());
}

std::string CatalogueCsvHeading() {
    return CsvRecord(tambrelox::CatalogueHeading());
}

// A project of a collection, named by its path in the folder chosen, as spjinfo -r lists it.
val CatalogueRow(const val& bytes, const std::string& path) {
    const ChosenFile file = ChosenFromArgument(path);
    const auto project = Open(bytes, file);
    if (!project.ok()) return Refused(project.refusal());
    const std::vector<std::string> cells = tambrelox::CatalogueRow(file, project.value());
    val result = val::object();
    result.set("cells", Strings(cells));
    result.set("csv", CsvRecord(cells));
    result.set("fitsSmall", project.value().summary.requirement == kAnyDecoder);
    return result;
}

// A file of a collection that the browser could not read (moved or deleted
// since it was chosen), listed with a refusal worded as the reader's own.
val UnreadableRow(const std::string& path) {
    const ChosenFile file = ChosenFromArgument(path);
    return Refused({RefusalKind::CannotOpen,
                    ProblemMessage(file.fileName, "the browser could not read the file")});
}

// Read as spjinfo --diff reads each side: whole, with its startup CVs checked.
Outcome<Project> OpenForComparison(const val& bytes, const std::string& path) {
    const ChosenFile file = ChosenFromArgument(path);
    auto project = Open(bytes, file);
    if (!project.ok()) return project;
    if (auto cvs = CheckStartupCVs(project.value(), file.fileName); !cvs.ok()) return cvs.refusal();
    return project;
}

// The comparison's lines: the changes, then the descriptive text's unified diff as one text.
val Compare(const val& beforeBytes, const std::string& beforePath, const val& afterBytes,
            const std::string& afterPath) {
    const auto before = OpenForComparison(beforeBytes, beforePath);
    if (!before.ok()) return Refused(before.refusal());
    const auto after = OpenForComparison(afterBytes, afterPath);
    if (!after.ok()) return Refused(after.refusal());
    ProjectDiff diff = CompareProjects(before.value(), after.value());
    const std::vector<std::string> lines = ProjectDiffLines(diff, beforePath, afterPath);
    diff.textHunks.clear();
    const std::vector<std::string> changes = ProjectDiffLines(diff, beforePath, afterPath);
    std::string textDiff;
    for (std::size_t i = changes.size(); i < lines.size(); ++i) textDiff += lines[i] + "\n";
    val result = val::object();
    result.set("lines", Strings(changes));
    result.set("textDiff", textDiff);
    return result;
}

val TextReport(const val& bytes, const std::string& name) {
    return WithProject(bytes, name, [](const ChosenFile&, const Project& project) {
        return Text(TextReportText(project));
    });
}

}  // namespace

EMSCRIPTEN_BINDINGS(tambrelox_core) {
    // The page reads no more of a file than this and one byte, enough to refuse it.
    emscripten::constant("largestFileRead", static_cast<double>(kLargestFileRead));
    emscripten::constant("titleLine", std::string(kTitleLine));
    emscripten::constant("aboutText", std::string(AboutText()));
    emscripten::constant("noProjectChosen", std::string(kNoProjectChosen));
    emscripten::function("summary", &Summary);
    emscripten::function("cvTable", &CVTable);
    emscripten::function("descriptiveText", &DescriptiveText);
    emscripten::function("clipList", &ClipList);
    emscripten::function("clipWave", &ClipWave);
    emscripten::function("repeatWave", &RepeatWave);
    emscripten::function("pcmSound", &PcmSound);
    emscripten::function("summaryReport", &SummaryReport);
    emscripten::function("cvReport", &CVReport);
    emscripten::function("textReport", &TextReport);
    emscripten::function("envelope", &Envelope);
    emscripten::function("catalogueHeading", &CatalogueHeading);
    emscripten::function("catalogueCsvHeading", &CatalogueCsvHeading);
    emscripten::function("catalogueRow", &CatalogueRow);
    emscripten::function("unreadableRow", &UnreadableRow);
    emscripten::function("compareProjects", &Compare);
    emscripten::function("positionInClip", &Position);
}

}  // namespace tambrelox::web
