#pragma once
// The simulated Windows shell and help engine: nothing opens, every address and help
// topic is written to the transcript and kept, and so is every address the add-in
// refused to open.
#include <string>
#include <vector>

#include "corvane/platform/shell.h"
#include "corvane/simhost/host_transcript.h"

namespace corvane::simhost {

class SimShell final : public platform::Shell {
public:
    explicit SimShell(HostTranscript& transcript) : transcript_(transcript) {}

    // Transcript: `open "<address>"`.
    void openAddress(std::string_view address) override;
    // Transcript: `help "<file>" topic "<topic>"`.
    void openHelp(std::string_view helpFile, std::string_view topic) override;
    // Transcript: `refused to open "<address>": <reason>`.
    void logRefused(std::string_view address, std::string_view reason) override;

    const std::vector<std::string>& addresses() const { return addresses_; }
    // "<file>::/<topic>" per help request.
    const std::vector<std::string>& helpTopics() const { return helpTopics_; }

private:
    HostTranscript& transcript_;
    std::vector<std::string> addresses_;
    std::vector<std::string> helpTopics_;
};

}  // namespace corvane::simhost
