// The send checks on large input: the attachment check's text analysis on a 10 MB body
// against one plain search of one keyword, and the subject cleaning on long subjects of
// repeated prefixes and spam marks (its cost must grow in proportion to the length).
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "corvane/checks/attach_missing.h"
#include "corvane/checks/spam_marks.h"

namespace {

namespace bc = corvane::checks::basCorvane;

// Ordinary mixed-case prose with line breaks and none of the attachment keywords.
std::string proseBody(std::size_t bytes) {
    const std::string line =
        "Thanks for the quick reply, Maria. The figures for the third quarter look good and the "
        "team in Lyon agreed to the new schedule.\r\n";
    std::string body;
    body.reserve(bytes + line.size());
    while (body.size() < bytes) body += line;
    return body;
}

const std::string& tenMegabyteBody() {
    static const std::string body = proseBody(10u << 20);
    return body;
}

void BM_AttachTextBaselineFind(benchmark::State& state) {
    const std::string_view body = tenMegabyteBody();
    for (auto _ : state) benchmark::DoNotOptimize(body.find("attach"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * body.size()));
}
BENCHMARK(BM_AttachTextBaselineFind)->Unit(benchmark::kMillisecond);

void BM_AttachTextAnalysis(benchmark::State& state) {
    const std::string_view body = tenMegabyteBody();
    bc::AttachCheckSettings settings;
    settings.attachKeyWords = "attach;attached;attachment;enclose;enclosed;enclosing";
    for (auto _ : state) {
        auto outcome = bc::AnalyseAttachMissing("Quarterly figures", body, {}, {}, settings);
        benchmark::DoNotOptimize(outcome);
        if (outcome != bc::AttachCheckOutcome::NoKeyword) state.SkipWithError("keyword found");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * body.size()));
}
BENCHMARK(BM_AttachTextAnalysis)->Unit(benchmark::kMillisecond);

// A subject of repeated "RE: " prefixes, spam marks in mixed case and forwards: 64 KB hold
// about 11,000 of them.
std::string repeatedSubject(std::size_t bytes, const std::string& unit = "RE: spam-low: Fw: ") {
    std::string s;
    while (s.size() + unit.size() <= bytes) s += unit;
    s += "Offer";
    return s;
}

void BM_CleanSubject(benchmark::State& state) {
    const std::string subject = repeatedSubject(static_cast<std::size_t>(state.range(0)));
    bc::SubjectCleaningSettings settings{true, "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:", true};
    for (auto _ : state) benchmark::DoNotOptimize(bc::CleanSubject(subject, settings, std::nullopt));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * subject.size()));
}
BENCHMARK(BM_CleanSubject)->Arg(16 << 10)->Arg(32 << 10)->Arg(64 << 10)->Complexity(benchmark::oN);

// The same with umlauts, where case is compared by the Unicode text service.
void BM_CleanSubjectNonAscii(benchmark::State& state) {
    const std::string subject = repeatedSubject(static_cast<std::size_t>(state.range(0)), "AW: spam-low: Grüße RE: ");
    bc::SubjectCleaningSettings settings{true, "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:", true};
    for (auto _ : state) benchmark::DoNotOptimize(bc::CleanSubject(subject, settings, std::nullopt));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * subject.size()));
}
BENCHMARK(BM_CleanSubjectNonAscii)->Arg(16 << 10)->Arg(64 << 10)->Complexity(benchmark::oN);

}  // namespace
