// Shuffling an attempt of 100 questions of ten answers each (questions and
// answers) and mapping a set of answers of every question to the slots shown
// and back, as a page turn and the recording do.
//   tests/support/run-headless build/bench/delivery_order

#include "app/DeliveryOrder.h"

#include <benchmark/benchmark.h>

namespace
{

void BM_ShuffleAndMapBack100Questions(benchmark::State& state)
{
    const std::vector<CDeliveryOrder::SShape> shapes(100, CDeliveryOrder::SShape{10, true});
    wxArrayInt chosen;
    for (int answer : {1, 4, 7})
        chosen.Add(answer);
    std::uint64_t seed = 1;
    for (auto _ : state)
    {
        const CDeliveryOrder order = CDeliveryOrder::shuffled(shapes, true, true, seed++);
        size_t mapped = 0;
        for (unsigned position = 0; position < order.getNumEntries(); ++position)
        {
            const unsigned entry = order.entryAt(position);
            mapped += order.toAuthor(entry, order.toShown(entry, chosen)).size();
        }
        benchmark::DoNotOptimize(mapped);
    }
}

} // namespace

BENCHMARK(BM_ShuffleAndMapBack100Questions)->Unit(benchmark::kMicrosecond);
