#include "core/project/spj_reader.h"

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

class DirectoryReader {
  public:
    DirectoryReader(std::vector<std::uint8_t> data, std::string_view fileName)
        : fileName_(fileName) {
        project_.data = std::move(data);
    }

    Outcome<Project> Read() {
        const ByteView file = project_.bytes();
        if (file.size() < kRecordSize) return Problem("the file is too short to hold a directory");

        // Header fields: the first is not tested, the others must have a zero fourth byte.
        std::uint32_t directorySize = 0;
        for (std::uint64_t j = 0; j < kFieldCount; ++j) {
            const Field field = DecodeField(*file.u32le(4 * j));
            if (j > 0 && field.fourthByteSet) return Corrupt(AtOffset(4 * j));
            if (j == 3) directorySize = field.value;
        }
        const std::string headerText = file.slice(kHeaderTextOffset, kTextLength)->text();
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
        for (std::uint64_t k = 0; k < entryTotal; ++k) {
            if (const auto entry = ReadEntry(k); !entry.ok()) return entry.refusal();
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
        if (!file.contains(text.offset, text.length))
            return BlockPastEnd(*textEntry, "descriptive text");
        if (auto author = AuthorFromDescriptiveText(file, text.offset)) {
            project_.author = std::move(*author);
            authorShown_ = project_.author;
        }

        const DirectoryEntry& code = project_.entries[*codeEntry];
        if (!file.contains(code.offset, code.length))
            return BlockPastEnd(*codeEntry, "program code");
        const auto counts = ScanProgramCode(file, code.offset, code.length);
        if (!counts.ok()) return Corrupt(counts.refusal().place);
        project_.summary = Summarise(project_.entries, *codeEntry, counts.value());
        return std::move(project_);
    }

  private:
    Outcome<void> ReadEntry(std::uint64_t k) {
        const ByteView file = project_.bytes();
        const auto record = file.slice(kRecordSize * (k + 1), kRecordSize);
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
            if (!file.contains(entry.offset, entry.length)) return BlockPastEnd(k, "sound clip");
            const auto bits = file.u8(std::uint64_t{entry.offset} + kWaveBitsOffset);
            if (!bits) {
                return Problem("the sound clip of " + RecordName(k) + " has no wave header",
                               AtEntry(k));
            }
            entry.waveBits = *bits;
        }
        project_.entries.push_back(std::move(entry));
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

    Refusal Corrupt(std::optional<Place> place) const {
        return {RefusalKind::NotAProject, CorruptionMessage(fileName_), place, authorShown_};
    }

    Refusal Problem(const std::string& what, std::optional<Place> place = std::nullopt) const {
        return {RefusalKind::NotAProject, ProblemMessage(fileName_, what), place, authorShown_};
    }

    Refusal BlockPastEnd(std::uint64_t entry, const std::string& kind) const {
        return Problem(
            "the " + kind + " of " + RecordName(entry) + " reaches past the end of the file",
            AtEntry(entry));
    }

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

Outcome<Project> ReadProject(std::vector<std::uint8_t> data, std::string_view fileName) {
    return DirectoryReader(std::move(data), fileName).Read();
}

Outcome<void> CheckProjectFileSize(std::uint64_t size, std::string_view fileName) {
    if (size <= kLargestFileRead) return {};
    return Refusal{RefusalKind::TooLarge, ProblemMessage(fileName, kFarTooLarge)};
}

Outcome<Project> ReadProjectFile(const std::string& path, std::string_view fileName) {
    auto data = ReadWholeFile(path);
    if (!data.ok()) {
        Refusal refusal = data.refusal();
        const std::string_view why =
            refusal.kind == RefusalKind::TooLarge ? kFarTooLarge : refusal.message;
        refusal.message = ProblemMessage(fileName, why);
        return refusal;
    }
    return ReadProject(std::move(data).value(), fileName);
}

}  // namespace tambrelox
