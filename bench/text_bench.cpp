// Case-insensitive search against the plain byte search it has to keep up with: one
// keyword that does not occur, in 10 MB of ASCII mail text.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "corvane/text/text.h"

namespace {

// Ordinary words, many starting or ending with the keyword's letters, none containing it.
std::string mailText(std::size_t size) {
    static constexpr std::string_view words[] = {
        "Dear",    "team,", "please", "find", "the",    "attached",  "at",     "tach",  "report", "and", "let",
        "me",      "know",  "what",   "you",  "think.", "Attaching", "ATTACH", "an",    "agenda", "for", "Thursday's",
        "meeting", "is",    "on",     "its",  "way;",   "thanks",    "again,", "Anna.", "\r\n"};
    std::string text;
    text.reserve(size + 16);
    unsigned state = 12345;
    while (text.size() < size) {
        state = state * 1103515245u + 12345u;
        text += words[(state >> 16) % std::size(words)];
        text += ' ';
    }
    text.resize(size);
    return text;
}

const std::string& tenMegabytes() {
    static const std::string text = mailText(10u << 20);
    return text;
}

constexpr std::string_view kAbsent = "attachment";

void BM_FindNoCase_Absent10MB(benchmark::State& state) {
    const std::string& text = tenMegabytes();
    for (auto _ : state) benchmark::DoNotOptimize(corvane::text::findNoCase(text, kAbsent));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_FindNoCase_Absent10MB)->Unit(benchmark::kMillisecond);

void BM_StringViewFind_Absent10MB(benchmark::State& state) {
    const std::string_view text = tenMegabytes();
    for (auto _ : state) benchmark::DoNotOptimize(text.find(kAbsent));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_StringViewFind_Absent10MB)->Unit(benchmark::kMillisecond);

// Replacement ignoring case in text with German letters goes through the Unicode tables;
// it must stay linear in the number of matches.
void BM_ReplaceAllText_Mixed(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < state.range(0); ++i) text += "Grüße aus der STRASSE, re: RE: ";
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::text::replaceAll(text, "re: ", "", corvane::text::Compare::Text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReplaceAllText_Mixed)->Range(1 << 8, 1 << 14)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

void BM_EqualsNoCase_Mixed(benchmark::State& state) {
    const std::string a = "Straße nach München", b = "STRASSE NACH MÜNCHEN";
    for (auto _ : state) benchmark::DoNotOptimize(corvane::text::equalsNoCase(a, b));
}
BENCHMARK(BM_EqualsNoCase_Mixed);

}  // namespace
