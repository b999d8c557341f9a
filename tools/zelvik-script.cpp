// zelvik-script: plays the game headless from a script, for scenario tests and tools.
//
//   zelvik-script [--dir DIR] [--screen WIDTHxHEIGHT] [--seed N] [--check] [SCRIPT]

#include <fstream>
#include <iostream>
#include <string>

#include "ScriptRunner.h"

namespace {

int Usage(const std::string& problem) {
  std::cerr << "zelvik-script: " << problem << "\n"
            << "usage: zelvik-script [--dir DIR] [--screen WIDTHxHEIGHT] [--seed N] [--check] "
               "[SCRIPT]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  zelvik::ScriptOptions options;
  std::string script_path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--dir") {
      if (!value(&options.dir)) return Usage("--dir needs a directory");
    } else if (arg == "--screen") {
      int w = 0, h = 0;
      char x = 0;
      if (!value(&text) || std::sscanf(text.c_str(), "%d%c%d", &w, &x, &h) != 3 || x != 'x' ||
          w <= 0 || h <= 0 || w > 100000 || h > 100000) {
        return Usage("--screen takes WIDTHxHEIGHT in pixels");
      }
      options.screen = {w, h};
    } else if (arg == "--seed") {
      if (!value(&text)) return Usage("--seed needs a number");
      try {
        options.seed = std::stoull(text);
      } catch (...) {
        return Usage("--seed needs a number");
      }
    } else if (arg == "--check") {
      options.check = true;
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      return Usage("unknown option " + arg);
    } else if (script_path.empty()) {
      script_path = arg;
    } else {
      return Usage("only one script");
    }
  }

  zelvik::ScriptRunner runner(options, std::cout);
  if (script_path.empty() || script_path == "-") return runner.Run(std::cin);
  std::ifstream script(script_path);
  if (!script) return Usage("cannot read " + script_path);
  return runner.Run(script);
}
