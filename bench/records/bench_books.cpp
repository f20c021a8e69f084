// The books' exchange sort is quadratic: how long sorting, reading and writing take for
// books far larger than anyone keeps, up to the 65535 entries a file can count.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "records/address_book.h"
#include "records/equipment_book.h"

namespace {

std::vector<kelp::BuddyAddress> addresses(int n) {
  std::mt19937 rng(7);
  std::vector<kelp::BuddyAddress> v(static_cast<size_t>(n), kelp::makeAddress());
  for (auto& a : v) {
    std::string s;
    for (int i = 0; i < 8; ++i) s.push_back(static_cast<char>('A' + rng() % 26));
    kelp::setText(a.surname, s);
  }
  return v;
}

std::vector<kelp::EquipmentItem> equipment(int n) {
  std::mt19937 rng(7);
  std::vector<kelp::EquipmentItem> v(static_cast<size_t>(n), kelp::makeEquipmentItem());
  for (auto& e : v) {
    e.category = static_cast<uint8_t>(rng() % 9);
    kelp::setText(e.user, std::string(1, static_cast<char>('A' + rng() % 5)));
    kelp::setText(e.designation, std::to_string(rng() % 1000));
  }
  return v;
}

void SortAddresses(benchmark::State& state) {
  const auto book = addresses(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto v = book;
    kelp::sortAddresses(v);
    benchmark::DoNotOptimize(v.data());
  }
}
BENCHMARK(SortAddresses)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void SortEquipment(benchmark::State& state) {
  const auto book = equipment(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto v = book;
    kelp::sortEquipment(v);
    benchmark::DoNotOptimize(v.data());
  }
}
BENCHMARK(SortEquipment)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void ReadAndWriteAddresses(benchmark::State& state) {
  const std::string bytes = kelp::serializeAddresses(addresses(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    std::vector<kelp::BuddyAddress> v;
    benchmark::DoNotOptimize(kelp::readAddresses("bench.adr", bytes, v).ok);
    benchmark::DoNotOptimize(kelp::serializeAddresses(v).size());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()) * 2);
}
BENCHMARK(ReadAndWriteAddresses)->Arg(1000)->Arg(65535)->Unit(benchmark::kMillisecond);

}  // namespace
