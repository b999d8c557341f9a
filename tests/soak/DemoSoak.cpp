// Plays seeded demonstration games through the script driver with the board invariants
// checked after every command and timer, and fails unless each game ends with a winner.
//
//   zelvik_demo_soak [GAMES [FIRST_SEED]]
//
// GAMES defaults to the ZELVIK_SOAK_GAMES environment variable, else 40. Seeds run from
// FIRST_SEED (default 1). Odd seeds play aggressively; every fourth game switches PLAYERS on
// before DEMO, so that the opening starts from Light's roll.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

#include "ScriptRunner.h"

namespace {

// Long enough for any game: idle waits cost no real time on the virtual clock.
constexpr const char* kGameLength = "14400000";

std::string GameScript(int seed) {
  std::string script = "start\n";
  if (seed % 2 == 1) script += "click Hit\n";
  if (seed % 4 == 0) script += "click Players\n";
  script += "click Demo\nwait " + std::string(kGameLength) + "\n";
  return script;
}

// Empty when the game ended as it must; otherwise what went wrong.
std::string PlayOne(int seed) {
  namespace fs = std::filesystem;
  std::string pattern = (fs::temp_directory_path() / "zelvik-soak-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return "cannot make a scratch directory";
  const std::string dir = pattern;

  zelvik::ScriptOptions options;
  options.dir = dir;
  options.seed = static_cast<std::uint64_t>(seed);
  options.check = true;
  std::ostringstream transcript;
  int code = 0;
  {
    zelvik::ScriptRunner runner(options, transcript);
    std::istringstream script(GameScript(seed));
    code = runner.Run(script);
  }
  std::error_code ignored;
  fs::remove_all(dir, ignored);

  std::istringstream lines(transcript.str());
  std::string line;
  std::string last_message;
  int wins = 0;
  while (std::getline(lines, line)) {
    if (line.rfind("message ", 0) != 0) continue;
    last_message = line.substr(8);
    if (last_message == "Light Wins." || last_message == "Dark Wins.") ++wins;
  }
  if (code != 0) {
    return "driver exit " + std::to_string(code) + ": " +
           transcript.str().substr(transcript.str().size() > 400 ? transcript.str().size() - 400
                                                                 : 0);
  }
  if (wins != 1 || (last_message != "Light Wins." && last_message != "Dark Wins.")) {
    return "no winner (last message \"" + last_message + "\")";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  int games = 40;
  if (const char* env = std::getenv("ZELVIK_SOAK_GAMES")) games = std::atoi(env);
  if (argc > 1) games = std::atoi(argv[1]);
  const int first_seed = argc > 2 ? std::atoi(argv[2]) : 1;
  if (games < 1) {
    std::cerr << "usage: zelvik_demo_soak [GAMES [FIRST_SEED]]\n";
    return 2;
  }
  int failures = 0;
  for (int seed = first_seed; seed < first_seed + games; ++seed) {
    const std::string problem = PlayOne(seed);
    if (!problem.empty()) {
      ++failures;
      std::cout << "seed " << seed << ": " << problem << "\n";
    }
  }
  std::cout << games - failures << " of " << games << " demonstration games ended with a winner\n";
  return failures == 0 ? 0 : 1;
}
