// Measurement conversion and the whole sheet against the standard library's readers.
#include "MeasurementSheet.h"
#include "ParseMeasurement.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What experts type, plus two texts that only an attacker would.
const std::vector<std::string> Texts{
    "168",
    "167.5",
    "12,5",
    "",
    "  99.25",
    "1234567890123456789012345678901234567890123456789012345678901234567890.5e-40",
    "1e" + std::string(1000, '0') + "5",
};

const TMeasurementTexts SheetTexts{"168",    "112.5", "130", "70", "100", "30",
                                   "130.25", "45",    "44",  "35", "27"};

void ParseMeasurementText(benchmark::State& state)
{
    const std::string& text = Texts[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseMeasurement(text));
}

// from_chars skips no blanks, so a caller has to do that first.
double FromCharsAfterBlanks(std::string_view text)
{
    const std::size_t start = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    double value = 0;
    std::from_chars(text.data() + start, text.data() + text.size(), value);
    return value;
}

void FromCharsText(benchmark::State& state)
{
    const std::string& text = Texts[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(FromCharsAfterBlanks(text));
}

void StrtodText(benchmark::State& state)
{
    const std::string& text = Texts[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
}

// The five everyday texts in one go, for one figure per reader.
constexpr std::size_t EverydayTextCount = 5;

void ParseMeasurementEveryday(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::size_t i = 0; i < EverydayTextCount; ++i)
            benchmark::DoNotOptimize(ParseMeasurement(Texts[i]));
    }
}

void FromCharsEveryday(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::size_t i = 0; i < EverydayTextCount; ++i)
            benchmark::DoNotOptimize(FromCharsAfterBlanks(Texts[i]));
    }
}

void StrtodEveryday(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::size_t i = 0; i < EverydayTextCount; ++i)
            benchmark::DoNotOptimize(std::strtod(Texts[i].c_str(), nullptr));
    }
}

void RecalculateSheetRun(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(RecalculateSheet(SheetTexts));
}

void ElevenStrtod(benchmark::State& state)
{
    for (auto _ : state) {
        for (const std::string& text : SheetTexts)
            benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    }
}

// A text of n digits with a point in the middle: the time must grow with n and no faster.
void ParseMeasurementLongText(benchmark::State& state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    std::string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>('1' + i % 9);
    text[length / 2] = '.';
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseMeasurement(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

void EveryText(benchmark::internal::Benchmark* b)
{
    for (std::size_t i = 0; i < Texts.size(); ++i)
        b->Arg(static_cast<std::int64_t>(i));
}

} // namespace

BENCHMARK(ParseMeasurementText)->Apply(EveryText);
BENCHMARK(FromCharsText)->Apply(EveryText);
BENCHMARK(StrtodText)->Apply(EveryText);
BENCHMARK(ParseMeasurementEveryday);
BENCHMARK(FromCharsEveryday);
BENCHMARK(StrtodEveryday);
BENCHMARK(RecalculateSheetRun);
BENCHMARK(ElevenStrtod);
BENCHMARK(ParseMeasurementLongText)->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20)->Complexity(benchmark::oN);
