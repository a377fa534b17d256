#include "core/project/program_code.h"

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
    const std::uint64_t end = offset + length;  // first offset after the block
    std::uint64_t at = offset;
    for (;;) {
        const auto opcode = file.u8(at++);
        if (!opcode) return RunsPastTheBlock(at - 1);
        if (*opcode == kVoiceOpcode) {
            const auto voice = file.u8(at++);
            if (!voice) return RunsPastTheBlock(at - 1);
            // Voices are numbered from 1; a higher number than seen so far adds one voice.
            if (*voice > counts.voices) ++counts.voices;
        } else if (*opcode == kSchemeOpcode) {
            ++counts.schemes;
            const auto operand = file.u8(at++);
            if (!operand) return RunsPastTheBlock(at - 1);
            if (*operand == kEndOfStream) break;
            at += 2;
        } else {
            at += InstructionLength(*opcode) - 1;
        }
        if (at >= end) return RunsPastTheBlock(at);
    }
    --counts.schemes;  // the end instruction was counted as a scheme
    return counts;
}

}  // namespace tambrelox
