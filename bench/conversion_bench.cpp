// What one press of "=" costs, against the least that work can cost.
#include "core/conversion.h"
#include "core/number.h"
#include "support/memory_fields.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ConversionPass(benchmark::State& state) {
    quintora::Module1 module;
    quintora::MemoryFields fields;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quintora::programa01(module, fields));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ConversionPass);

// 31 divisions, and 31 numbers written by the window's writer into
// preallocated buffers: the pass without its lookups and its field set.
void BM_ConversionFloor(benchmark::State& state) {
    std::array<double, 31> factors{};
    for (std::size_t i = 0; i < factors.size(); ++i)
        factors[i] = i % 3 == 0 ? 0.1 : i % 3 == 1 ? 1000 : 0.00001;
    char buffers[31][quintora::maxNumberText];
    double input = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        for (std::size_t i = 0; i < factors.size(); ++i) {
            const double q = input / factors[i];
            quintora::writeNumber(q, '.', buffers[i]);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ConversionFloor);

// Every input holding a megabyte of digits and blanks.
void BM_ConversionPassMegabyteInputs(benchmark::State& state) {
    quintora::Module1 module;
    quintora::MemoryFields fields;
    std::string big(1 << 20, ' ');
    for (std::size_t i = 0; i < big.size(); i += 2)
        big[i] = static_cast<char>('0' + i % 10);
    big[0] = '.';
    for (const quintora::Quantity& q : quintora::quantities)
        fields.at(q.values) = big;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quintora::programa01(module, fields));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ConversionPassMegabyteInputs)->Unit(benchmark::kMillisecond);

} // namespace
