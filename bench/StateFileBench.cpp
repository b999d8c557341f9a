// How long the state file's whole-file rewrites take for the operations that write most.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "board/BoardWindow.h"
#include "platform/HeadlessPlatform.h"

namespace {

std::string ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zelvik-bench-XXXXXX").string();
  return mkdtemp(pattern.data());
}

void BM_NewGame(benchmark::State& state) {
  const std::string dir = ScratchDir();
  zelvik::HeadlessPlatform platform(dir);
  zelvik::BoardWindow board(platform);
  board.Create();
  for (auto _ : state) board.Click("Reset");
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond);

void BM_RestoreGame(benchmark::State& state) {
  const std::string dir = ScratchDir();
  zelvik::HeadlessPlatform platform(dir);
  zelvik::BoardWindow board(platform);
  board.Create();
  for (auto _ : state) board.ctx().setup->RestoreGame();
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RestoreGame)->Unit(benchmark::kMillisecond);

void BM_FindStoneSection(benchmark::State& state) {
  const std::string dir = ScratchDir();
  zelvik::HeadlessPlatform platform(dir);
  zelvik::BoardWindow board(platform);
  board.Create();
  int stone = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(board.ctx().store.FindStoneSection(stone));
    stone = stone % 30 + 1;
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_FindStoneSection);

}  // namespace
