#include "core/project/program_code.h"

#include <span>

namespace tambrelox {
namespace {

constexpr std::uint8_t kVoiceOpcode = 129;
constexpr std::uint8_t kSchemeOpcode = 241;
constexpr std::uint8_t kEndOfStream = 31;  // operand of a scheme instruction that ends the code

constexpr std::uint64_t InstructionLength(std::uint8_t opcode) {
    const bool fourBytes =
        (opcode >= 224 && opcode <= 231) || opcode == 241 || opcode == 242 || opcode >= 248;
    return fourBytes ? 4 : 2;
}

Refusal RunsPastTheBlock(std::uint64_t at) {
    return {RefusalKind::NotAProject, "the program code runs past its block",
            Place{Place::In::FileOffset, at}};
}

}  // namespace

Outcome<ProgramCodeCounts> ScanProgramCode(ByteView file, std::uint64_t offset,
                                           std::uint64_t length) {
    ProgramCodeCounts counts;
    // Read straight from the bytes: every project passes through this loop.
    const std::span<const std::uint8_t> bytes = file.bytes();
    const std::uint64_t end = offset + length;  // first offset after the block
    std::uint64_t at = offset;
    for (;;) {
        if (at >= bytes.size()) return RunsPastTheBlock(at);
        const std::uint8_t opcode = bytes[at];
        if (opcode == kVoiceOpcode || opcode == kSchemeOpcode) {
            if (at + 1 >= bytes.size()) return RunsPastTheBlock(at + 1);
            const std::uint8_t operand = bytes[at + 1];
            if (opcode == kSchemeOpcode) {
                ++counts.schemes;
                if (operand == kEndOfStream) break;
            } else if (operand > counts.voices) {
                // Voices are numbered from 1; a higher number than seen so far adds one voice.
                ++counts.voices;
            }
        }
        at += InstructionLength(opcode);
        if (at >= end) return RunsPastTheBlock(at);
    }
    --counts.schemes;  // the end instruction was counted as a scheme
    return counts;
}

}  // namespace tambrelox
