// How long the computer takes to choose a move, and to play a whole demonstration game on the
// virtual clock (real time is the planning and the state-file writes alone).

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

// Listing, scoring and picking the pairs of a 6-5 from the starting position.
void BM_PairPlanningPass(benchmark::State& state) {
  const std::string dir = ScratchDir();
  zelvik::HeadlessPlatform platform(dir);
  zelvik::BoardWindow board(platform);
  board.Create();
  zelvik::GameContext& ctx = board.ctx();
  ctx.store.Write(zelvik::kCurrentPlayerSection, zelvik::kPlayerKey, zelvik::kLight);
  ctx.store.SetDie(1, 6);
  ctx.store.SetDie(2, 5);
  for (auto _ : state) {
    ctx.planner->ListPairCandidates();
    ctx.scoring->ScorePairMoves();
    benchmark::DoNotOptimize(ctx.planner->BestPairCandidate());
    ctx.planner->ClearCandidates();
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PairPlanningPass)->Unit(benchmark::kMicrosecond);

// One seeded demonstration game from the first roll to the winner.
void BM_DemoGame(benchmark::State& state) {
  std::uint64_t seed = 1;
  for (auto _ : state) {
    const std::string dir = ScratchDir();
    {
      zelvik::HeadlessPlatform platform(dir, {1024, 768}, seed++);
      zelvik::BoardWindow board(platform);
      board.Create();
      board.Click("Demo");
      platform.RunFor(4LL * 60 * 60 * 1000);
      benchmark::DoNotOptimize(board.ctx().flags.GameOver);
    }
    std::filesystem::remove_all(dir);
  }
}
BENCHMARK(BM_DemoGame)->Unit(benchmark::kMillisecond);

}  // namespace
