#include "core/project/spj_reader.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/base/file_bytes.h"
#include "core/project/author.h"
#include "core/project/program_code.h"
#include "core/project/summary.h"

namespace tambrelox {
namespace {

using spj_limits::kRecordSize;

// Over the size limit, a file cannot be a project whatever else it is.
constexpr std::string_view kFarTooLarge = "the file is far too large to be a sound project";
constexpr std::uint64_t kFieldCount = 6;
constexpr std::uint64_t kHeaderTextOffset = 56;
constexpr std::uint64_t kTextLength = 72;  // header text and entry names
constexpr std::uint64_t kDLCodeOffset = 28;
constexpr std::uint64_t kFirstRead = 4096;  // a page: the header and up to 31 directory records
constexpr std::uint64_t kWaveBitsOffset =
    34;  // low byte of bits-per-sample in a 44-byte wave header

// A 24-bit little-endian directory field whose fourth byte must be zero where tested.
struct Field {
    std::uint32_t value = 0;
    bool fourthByteSet = false;
};

Field DecodeField(std::uint32_t raw) {
    return {raw & 0xFFFFFFU, (raw >> 24U) != 0};
}

// A refusal of the file reader, worded as the reader's own.
Refusal FileProblem(std::string_view fileName, Refusal refusal) {
    const std::string why =
        refusal.kind == RefusalKind::TooLarge ? std::string(kFarTooLarge) : refusal.message;
    refusal.message = ProblemMessage(fileName, why);
    return refusal;
}

class DirectoryReader {
  public:
    // Reads from bytes held whole, or, when `file` is given, fetches from it
    // only the ranges the project keeps.
    DirectoryReader(FileImage image, const ReadableFile* file, std::string_view fileName)
        : file_(file), fileName_(fileName) {
        project_.file = std::move(image);
    }

    ProjectOutcome Read() {
        auto read = ReadDirectory();
        if (read.ok()) return std::move(read).value();
        // A file that could not be read shows no author, as when it is read whole.
        const Refusal& refusal = read.refusal();
        const bool readBytes = refusal.kind == RefusalKind::NotAProject;
        return ProjectRefusal{refusal, readBytes ? authorShown_ : std::nullopt};
    }

  private:
    Outcome<Project> ReadDirectory() {
        if (project_.file.size() < kRecordSize)
            return Problem("the file is too short to hold a directory");
        // One read for the header and, mostly, the whole directory with it.
        const auto start = Fetch(0, kFirstRead);
        if (!start.ok()) return start.refusal();
        const auto header = start.value().slice(0, kRecordSize);

        // Header fields: the first is not tested, the others must have a zero fourth byte.
        std::uint32_t directorySize = 0;
        for (std::uint64_t j = 0; j < kFieldCount; ++j) {
            const Field field = DecodeField(*header->u32le(4 * j));
            if (j > 0 && field.fourthByteSet) return Corrupt(AtOffset(4 * j));
            if (j == 3) directorySize = field.value;
        }
        const std::string headerText = header->slice(kHeaderTextOffset, kTextLength)->text();
        project_.author = AuthorFromHeaderText(headerText);
        authorShown_ = project_.author;

        // The last entry index is rounded to the nearest, halves to even, as the directory size
        // need not be a multiple of 128.
        const double entryCount =
            static_cast<double>(directorySize) / static_cast<double>(kRecordSize);
        const double lastEntry = std::nearbyint(entryCount - 2);
        if (lastEntry >= static_cast<double>(spj_limits::kMaxEntries)) {
            return Problem("its directory has more than " +
                           std::to_string(spj_limits::kMaxEntries) + " entries");
        }
        const auto entryTotal = lastEntry < 0 ? 0U : static_cast<std::uint64_t>(lastEntry) + 1;
        const auto records = Fetch(kRecordSize, kRecordSize * entryTotal);
        if (!records.ok()) return records.refusal();
        for (std::uint64_t k = 0; k < entryTotal; ++k) {
            if (const auto entry = ReadEntry(records.value(), k); !entry.ok())
                return entry.refusal();
        }

        const auto codeEntry = Last(entry_type::kProgramCode);
        const auto cvEntry = Last(entry_type::kStartupCVs);
        const auto textEntry = Last(entry_type::kDescriptiveText);
        if (!codeEntry) return Problem("it has no program code");
        if (!cvEntry) return Problem("it has no startup CV values");
        if (!textEntry) return Problem("it has no descriptive text");
        project_.codeEntry = *codeEntry;
        project_.cvEntry = *cvEntry;
        project_.textEntry = *textEntry;

        const DirectoryEntry& text = project_.entries[*textEntry];
        if (!InFile(text.offset, text.length)) return BlockPastEnd(*textEntry, "descriptive text");
        const DirectoryEntry& code = project_.entries[*codeEntry];
        // The author may be found past a short text's end.
        const std::uint64_t textSpan = std::max<std::uint64_t>(text.length, kTextAuthorWindow);
        // The scan may read past the block before it finds it has run past: one
        // byte, or two from an empty block.
        const std::uint64_t codeSpan = std::uint64_t{code.length} + 2;
        if (InFile(code.offset, code.length)) {
            const auto both = FetchTogether(text.offset, textSpan, code.offset, codeSpan);
            if (!both.ok()) return both.refusal();
        }
        const auto textWindow = Fetch(text.offset, textSpan);
        if (!textWindow.ok()) return textWindow.refusal();
        if (auto author = AuthorFromDescriptiveText(textWindow.value(), 0)) {
            project_.author = std::move(*author);
            authorShown_ = project_.author;
        }

        if (!InFile(code.offset, code.length)) return BlockPastEnd(*codeEntry, "program code");
        const auto codeWindow = Fetch(code.offset, codeSpan);
        if (!codeWindow.ok()) return codeWindow.refusal();
        const auto counts = ScanProgramCode(codeWindow.value(), 0, code.length);
        if (!counts.ok()) return Corrupt(FromBlock(counts.refusal().place, code.offset));
        project_.summary = Summarise(project_.entries, *codeEntry, counts.value());
        return std::move(project_);
    }

    Outcome<void> ReadEntry(ByteView records, std::uint64_t k) {
        const auto record = records.slice(kRecordSize * k, kRecordSize);
        if (!record) return Problem("the file is shorter than its directory", AtEntry(k));

        std::uint32_t values[kFieldCount] = {};
        for (std::uint64_t j = 0; j < kFieldCount; ++j) {
            const Field field = DecodeField(*record->u32le(4 * j));
            if (field.fourthByteSet) return Corrupt(AtEntry(k));
            values[j] = field.value;
        }
        if (values[0] > static_cast<std::uint32_t>(spj_limits::kMaxEntryType)) {
            return Problem(RecordName(k) + " has the impossible type " + std::to_string(values[0]),
                           AtEntry(k));
        }
        DirectoryEntry entry;
        entry.type = static_cast<std::int16_t>(values[0]);
        entry.handle = values[1];
        entry.offset = values[2];
        entry.size = values[4];
        entry.length = values[5];
        entry.dlCode = *record->u8(kDLCodeOffset);
        const std::string name = record->slice(kHeaderTextOffset, kTextLength)->text();
        const auto nul = name.find('\0');
        if (nul == std::string::npos)
            return Problem(RecordName(k) + " has a name without an end", AtEntry(k));
        entry.name = name.substr(0, nul);

        if (IsClipType(entry.type)) {
            if (!InFile(entry.offset, entry.length)) return BlockPastEnd(k, "sound clip");
            const auto bitsByte = Fetch(std::uint64_t{entry.offset} + kWaveBitsOffset, 1);
            if (!bitsByte.ok()) return bitsByte.refusal();
            const auto bits = bitsByte.value().u8(0);
            if (!bits) {
                return Problem("the sound clip of " + RecordName(k) + " has no wave header",
                               AtEntry(k));
            }
            entry.waveBits = *bits;
        }
        project_.entries.push_back(std::move(entry));
        return {};
    }

    [[nodiscard]] bool InFile(std::uint64_t at, std::uint64_t count) const {
        return at <= project_.file.size() && count <= project_.file.size() - at;
    }

    // Up to `count` bytes from `at`, shorter where the file ends; read from the
    // file and kept when they are not held yet.
    Outcome<ByteView> Fetch(std::uint64_t at, std::uint64_t count) {
        if (auto held = project_.file.Window(at, count)) return *held;
        const std::uint64_t size = project_.file.size();
        const std::uint64_t available = size - at;  // Window holds every range from the end on
        auto bytes = file_->Read(at, count < available ? count : available);
        if (!bytes.ok()) return FileProblem(fileName_, bytes.refusal());
        project_.file.Add(at, std::move(bytes).value());
        return *project_.file.Window(at, count);
    }

    // Two ranges that mostly lie side by side (the program code and the text)
    // in one read, where the gap between them is at most a page.
    Outcome<void> FetchTogether(std::uint64_t at, std::uint64_t count, std::uint64_t otherAt,
                                std::uint64_t otherCount) {
        const std::uint64_t from = std::min(at, otherAt);
        const std::uint64_t to =
            std::min(std::max(at + count, otherAt + otherCount), project_.file.size());
        if (to - from > count + otherCount + kFirstRead) return {};
        const auto both = Fetch(from, to - from);
        if (!both.ok()) return both.refusal();
        return {};
    }

    // Where a file has several entries of a type, the last one counts.
    std::optional<std::size_t> Last(int type) const {
        for (std::size_t k = project_.entries.size(); k-- > 0;) {
            if (project_.entries[k].type == type) return k;
        }
        return std::nullopt;
    }

    static std::string RecordName(std::uint64_t entry) {
        return "directory record " + std::to_string(entry + 1);
    }

    static Place AtEntry(std::uint64_t entry) { return {Place::In::DirectoryEntry, entry}; }
    static Place AtOffset(std::uint64_t offset) { return {Place::In::FileOffset, offset}; }
    static std::optional<Place> FromBlock(std::optional<Place> place, std::uint64_t blockOffset) {
        if (place) place->at += blockOffset;
        return place;
    }

    Refusal Corrupt(std::optional<Place> place) const {
        return {RefusalKind::NotAProject, CorruptionMessage(fileName_), place};
    }

    Refusal Problem(const std::string& what, std::optional<Place> place = std::nullopt) const {
        return {RefusalKind::NotAProject, ProblemMessage(fileName_, what), place};
    }

    Refusal BlockPastEnd(std::uint64_t entry, const std::string& kind) const {
        return Problem(
            "the " + kind + " of " + RecordName(entry) + " reaches past the end of the file",
            AtEntry(entry));
    }

    const ReadableFile* file_;
    std::string fileName_;
    Project project_;
    std::optional<std::string> authorShown_;
};

}  // namespace

std::string ProblemMessage(std::string_view fileName, std::string_view what) {
    return "Problem reading " + std::string(fileName) + ": " + std::string(what) +
           ". Cannot continue.";
}

std::string CorruptionMessage(std::string_view fileName) {
    return "Problem extracting Header Info from " + std::string(fileName) +
           ". Perhaps the SPJ file is corrupt. Cannot continue.";
}

ProjectOutcome ReadProject(std::vector<std::uint8_t> data, std::string_view fileName) {
    return DirectoryReader(FileImage(std::move(data)), nullptr, fileName).Read();
}

Outcome<void> CheckProjectFileSize(std::uint64_t size, std::string_view fileName) {
    if (size <= kLargestFileRead) return {};
    return Refusal{RefusalKind::TooLarge, ProblemMessage(fileName, kFarTooLarge)};
}

ProjectOutcome ReadProjectFile(const std::string& path, std::string_view fileName,
                               ReadExtent extent) {
    const bool standardInput = path == kStandardInput;
    if (extent == ReadExtent::WholeFile || standardInput) {
        auto data = standardInput ? ReadStandardInput() : ReadWholeFile(path);
        if (!data.ok()) return ProjectRefusal{FileProblem(fileName, data.refusal()), std::nullopt};
        return ReadProject(std::move(data).value(), fileName);
    }
    const auto file = ReadableFile::Open(path);
    if (!file.ok()) return ProjectRefusal{FileProblem(fileName, file.refusal()), std::nullopt};
    return DirectoryReader(FileImage(file.value().size()), &file.value(), fileName).Read();
}

}  // namespace tambrelox
