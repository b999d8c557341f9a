// The headless driver's interpreter: runs a script of commands against the game core on the
// headless platform and prints a transcript (messages, sounds, echoes, dumps).
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HeadlessShell.h"
#include "board/BoardWindow.h"
#include "platform/HeadlessPlatform.h"
#include "tray/HelpWindow.h"

namespace zelvik {

struct ScriptOptions {
  std::string dir = ".";
  ScreenSize screen{1024, 768};
  std::uint64_t seed = 1;
  bool check = false;
};

class ScriptRunner {
 public:
  enum ExitCode { kOk = 0, kExpectFailed = 1, kMalformed = 2, kInvariant = 3 };

  ScriptRunner(ScriptOptions options, std::ostream& out);
  ~ScriptRunner();

  // Reads the whole script, checks every line, then runs it. Returns the exit code.
  int Run(std::istream& script);

  // Splits a line into words; a word in double quotes may hold spaces.
  static bool Tokenize(const std::string& line, std::vector<std::string>* words);

 private:
  struct Command {
    int line = 0;
    std::vector<std::string> words;
  };
  using Handler = std::function<void(const Command&)>;
  struct Spec {
    size_t min_args;
    size_t max_args;
    Handler handler;
  };

  void RegisterCommands();
  std::string Validate(const Command& command) const;
  void Execute(const Command& command);
  void CheckInvariants();
  BoardWindow& Board(const Command& command);
  void Drag(const Command& command, int stone, double left, double top, int buttons);
  double DropLeft(int section) const;
  double DropTop(int section) const;
  // Every control, or only the one named.
  void PrintShow(const std::string& only_name, int only_index);
  void PrintDump();
  [[noreturn]] void Fail(int code, const std::string& text);

  ScriptOptions options_;
  std::ostream& out_;
  std::unique_ptr<HeadlessPlatform> platform_;
  HeadlessShell shell_;
  std::unique_ptr<HelpWindow> help_;
  bool launched_ = false;
  std::map<std::string, Spec> commands_;
  int exit_code_ = kOk;
};

}  // namespace zelvik
