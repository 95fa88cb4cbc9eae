#include "corvane/simhost/host_transcript.h"

namespace corvane::simhost {

void HostTranscript::pull() {
    const auto& uiLines = ui_.transcript();
    for (; pulled_ < uiLines.size(); ++pulled_) lines_.push_back(uiLines[pulled_]);
}

void HostTranscript::add(std::string line) {
    pull();
    lines_.push_back(std::move(line));
}

const std::vector<std::string>& HostTranscript::lines() {
    pull();
    return lines_;
}

}  // namespace corvane::simhost
