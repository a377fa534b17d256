#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox::testkit {

// The project a window or player is given, read from what the builder makes.
inline std::shared_ptr<const Project> ReadShared(const fixture::SpjBuilder& builder,
                                                 const std::string& fileName = "diesel.spj") {
    auto outcome = ReadProject(builder.Build(), fileName);
    if (!outcome.ok()) ADD_FAILURE() << outcome.refusal().message;
    return std::make_shared<const Project>(std::move(outcome).value());
}

// Finishes a project of clips with the blocks every readable project has.
inline std::shared_ptr<const Project> ReadClips(fixture::SpjBuilder builder) {
    builder.Code(fixture::ProgramCode().Voice(1).Scheme(1).End()).StartupCVs({}).Text("Clips\r\n");
    return ReadShared(builder, "clips.spj");
}

inline std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> BlockBytes(const Project& project, std::size_t entry) {
    const auto bytes = project.block(entry).bytes();
    return {bytes.begin(), bytes.end()};
}

// A folder of its own for one test, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tambrelox-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace tambrelox::testkit
