// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 conversion throughput against plain iconv, and the day-number round trip.
#include "base/Cp932.h"
#include "calendar/Julius.h"

#include <benchmark/benchmark.h>
#include <iconv.h>
#include <string>

namespace {

// About 50 MB of typical month-file lines: digits, commas, kana and kanji.
const std::string& sampleBytes() {
    static const std::string bytes = [] {
        const std::string line = "15,1,,\x89\xEF\x8B\x63\x81\x40\x82\xA0\x82\xA2\x82\xA4 10:00 \x8E\x96\x96\xB1"
                                 "\x8F\x8A,clBlack,0,0,,,\r\n";
        std::string text;
        text.reserve(50'000'000 + line.size());
        while (text.size() < 50'000'000)
            text += line;
        return text;
    }();
    return bytes;
}

std::string plainIconv(iconv_t cd, const std::string& in) {
    std::string out(in.size() * 3 / 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.resize(out.size() - dstLeft);
    return out;
}

void BM_Cp932DecodeEncode(benchmark::State& state) {
    const std::string& bytes = sampleBytes();
    for (auto _ : state) {
        const std::string text = rekko::DecodeCp932(bytes);
        auto back = rekko::EncodeCp932(text);
        benchmark::DoNotOptimize(back);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Cp932DecodeEncode)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PlainIconvDecodeEncode(benchmark::State& state) {
    const std::string& bytes = sampleBytes();
    iconv_t decoder = iconv_open("UTF-8", "CP932");
    iconv_t encoder = iconv_open("CP932", "UTF-8");
    for (auto _ : state) {
        const std::string text = plainIconv(decoder, bytes);
        std::string back = plainIconv(encoder, text);
        benchmark::DoNotOptimize(back);
    }
    iconv_close(decoder);
    iconv_close(encoder);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainIconvDecodeEncode)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_JuliusDayRoundTrip(benchmark::State& state) {
    int32_t jd = 2415021;
    for (auto _ : state) {
        const rekko::CalendarDate date = rekko::DecodeJuliusDay(jd);
        benchmark::DoNotOptimize(rekko::EncodeJuliusDay(date.year, date.month, date.day));
        jd = jd == 2488069 ? 2415021 : jd + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_JuliusDayRoundTrip)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
