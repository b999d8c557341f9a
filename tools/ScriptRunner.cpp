#include "ScriptRunner.h"

#include <cmath>
#include <istream>
#include <ostream>
#include <sstream>

#include "state/BoardInvariants.h"

namespace zelvik {
namespace {

// Thrown to end the run at once with an exit code.
struct Stop {
  int code;
};

bool ParseNumber(const std::string& text, long long* value) {
  if (text.empty()) return false;
  size_t used = 0;
  try {
    *value = std::stoll(text, &used);
  } catch (...) {
    return false;
  }
  return used == text.size();
}

long long Number(const std::string& text) {
  long long value = 0;
  ParseNumber(text, &value);
  return value;
}

std::string Quote(const std::string& text) {
  return text.find(' ') == std::string::npos ? text : "\"" + text + "\"";
}

// Where the driver grabs a stone's picture, inside the picture.
constexpr double kGrabX = 300;
constexpr double kGrabY = 270;

}  // namespace

ScriptRunner::ScriptRunner(ScriptOptions options, std::ostream& out)
    : options_(std::move(options)), out_(out) {
  platform_ = std::make_unique<HeadlessPlatform>(options_.dir, options_.screen, options_.seed);
  platform_->on_message = [this](const std::string& text) { out_ << "message " << text << "\n"; };
  platform_->on_sound = [this](int id) { out_ << "sound " << id << "\n"; };
  platform_->after_timer = [this] { CheckInvariants(); };
  help_ = std::make_unique<HelpWindow>(*platform_, shell_);
  RegisterCommands();
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Fail(int code, const std::string& text) {
  out_ << text << "\n";
  throw Stop{code};
}

bool ScriptRunner::Tokenize(const std::string& line, std::vector<std::string>* words) {
  words->clear();
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return false;
      word = line.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
        word += line[i++];
      }
    }
    words->push_back(word);
  }
  return true;
}

BoardWindow& ScriptRunner::Board(const Command& command) {
  BoardWindow* board = help_->board_if_created();
  if (board == nullptr) {
    Fail(kMalformed, "line " + std::to_string(command.line) + ": " + command.words[0] +
                         ": the board window does not exist yet (use start)");
  }
  return *board;
}

void ScriptRunner::CheckInvariants() {
  if (!options_.check) return;
  BoardWindow* board = help_->board_if_created();
  if (board == nullptr) return;
  std::string error = CheckBoardInvariants(board->ctx().store);
  if (!error.empty()) Fail(kInvariant, "invariant: " + error);
}

double ScriptRunner::DropLeft(int section) const {
  const double W = options_.screen.width_px * 15.0;
  const double w = W / 15;
  if (section == 0) return 0.42 * W;
  if (section == kLightTray || section == kDarkTray) return 0.895 * W;
  const int k = section > 12 ? section - 12 : section;
  const double x0 = (k - 1) * w + (k >= 7 ? 0.45 * w : 0);
  return x0 + 0.525 * w;
}

double ScriptRunner::DropTop(int section) const {
  const double H = options_.screen.height_px * 15.0;
  if (section == 0) return 0.2 * H;
  if (section == kLightTray) return (0.04 + 0.413) / 2 * H;
  if (section == kDarkTray) return (0.413 + 0.83) / 2 * H;
  return section > 12 ? (0.43 + 0.81) / 2 * H : (0.028 + 0.4) / 2 * H;
}

void ScriptRunner::Drag(const Command& command, int stone, double left, double top, int buttons) {
  BoardWindow& board = Board(command);
  const Control& picture = board.controls().Stone[stone];
  board.StoneMouseDown(stone, buttons, kGrabX, kGrabY);
  CheckInvariants();
  // One move carries the pointer to where the picture's corner lands on the target.
  board.StoneMouseMove(stone, buttons, kGrabX + (left - picture.left),
                       kGrabY + (top - picture.top));
  CheckInvariants();
  board.StoneMouseUp(stone, buttons, kGrabX, kGrabY);
}

void ScriptRunner::PrintShow(const std::string& only_name, int only_index) {
  if (only_name.empty() && (launched_ || shell_.game_exists())) {
    out_ << "Game "
         << (!shell_.game_exists()                 ? "absent"
             : shell_.IsVisible(WindowKind::kGame) ? "visible"
                                                   : "hidden")
         << "\n";
    out_ << "Help " << (shell_.IsVisible(WindowKind::kHelp) ? "visible" : "hidden") << "\n";
  }
  BoardWindow* board = help_->board_if_created();
  if (board == nullptr) return;
  for (const Controls::Named& named : board->controls().All()) {
    if (!only_name.empty() && (named.name != only_name || named.index != only_index)) continue;
    const Control& c = *named.control;
    out_ << named.name;
    if (named.index != 0) out_ << " " << named.index;
    out_ << (c.visible ? " visible" : " hidden");
    if (named.name == "LightDie" || named.name == "DarkDie") {
      out_ << " picture=" << c.picture;
    } else {
      out_ << " caption=\"" << c.caption << "\"";
    }
    out_ << " left=" << std::lround(c.left) << " top=" << std::lround(c.top) << "\n";
  }
}

void ScriptRunner::PrintDump() {
  BoardWindow* board = help_->board_if_created();
  const IniFile file(board != nullptr ? board->ctx().store.StateFilePath()
                                      : StateStore(options_.dir).StateFilePath());
  for (const std::string& section : file.SectionNames()) {
    out_ << "[" << section << "]\n";
    for (const auto& [key, value] : file.Keys(section)) out_ << key << "=" << value << "\n";
  }
}

void ScriptRunner::RegisterCommands() {
  auto stone_arg = [](const std::string& text) {
    long long v = Number(text);
    return static_cast<int>(v);
  };
  commands_["start"] = {0, 0, [this](const Command&) {
                          help_->Board();
                          shell_.SetVisible(WindowKind::kGame, true);
                        }};
  commands_["launch"] = {0, 0, [this](const Command&) {
                           launched_ = true;
                           help_->Launch();
                         }};
  commands_["close-help"] = {0, 0, [this](const Command&) { help_->OnCloseRequest(); }};
  commands_["menu"] = {1, 2, [this](const Command& c) {
                         std::string caption = c.words[1];
                         if (c.words.size() > 2) caption += " " + c.words[2];
                         help_->OnMenu(caption);
                       }};
  commands_["click"] = {1, 2, [this](const Command& c) {
                          const int index = c.words.size() > 2 ? Number(c.words[2]) : 0;
                          Board(c).Click(c.words[1], index);
                        }};
  commands_["dblclick"] = {1, 2, [this](const Command& c) {
                             const int index = c.words.size() > 2 ? Number(c.words[2]) : 0;
                             BoardWindow& board = Board(c);
                             board.Click(c.words[1], index);
                             CheckInvariants();
                             board.DoubleClick(c.words[1], index);
                           }};
  commands_["wait"] = {1, 1, [this](const Command& c) { platform_->RunFor(Number(c.words[1])); }};
  commands_["roll"] = {2, 2, [this](const Command& c) {
                         platform_->seeded_dice().QueueRoll(Number(c.words[1]), Number(c.words[2]));
                       }};
  commands_["drag"] = {2, 2, [this, stone_arg](const Command& c) {
                         const int section = Number(c.words[2]);
                         Drag(c, stone_arg(c.words[1]), DropLeft(section), DropTop(section),
                              kLeftButton);
                       }};
  commands_["drag-right"] = {2, 2, [this, stone_arg](const Command& c) {
                               const int section = Number(c.words[2]);
                               Drag(c, stone_arg(c.words[1]), DropLeft(section), DropTop(section),
                                    kRightButton);
                             }};
  commands_["dragto"] = {3, 3, [this, stone_arg](const Command& c) {
                           Drag(c, stone_arg(c.words[1]), Number(c.words[2]), Number(c.words[3]),
                                kLeftButton);
                         }};
  commands_["hover"] = {1, 1, [this, stone_arg](const Command& c) {
                          Board(c).StoneMouseMove(stone_arg(c.words[1]), 0, kGrabX, kGrabY);
                        }};
  commands_["expect"] = {
      3, 3, [this](const Command& c) {
        BoardWindow* board = help_->board_if_created();
        const int read = board != nullptr ? board->ctx().store.Read(c.words[1], c.words[2], -1)
                                          : IniFile(StateStore(options_.dir).StateFilePath())
                                                .ReadInt(c.words[1], c.words[2], -1);
        if (read != Number(c.words[3])) {
          out_ << "line " << c.line << ": expect " << Quote(c.words[1]) << " " << Quote(c.words[2])
               << ": expected " << c.words[3] << ", read " << read << "\n";
          exit_code_ = kExpectFailed;
        }
      }};
  commands_["expect-file"] = {
      2, 2, [this](const Command& c) {
        const std::string path = StateStore::JoinPath(options_.dir, c.words[1]);
        const bool present = StateStore::FileExists(path);
        if (present != (c.words[2] == "present")) {
          out_ << "line " << c.line << ": expect-file " << c.words[1] << ": expected " << c.words[2]
               << ", found " << (present ? "present" : "absent") << "\n";
          exit_code_ = kExpectFailed;
        }
      }};
  commands_["dump"] = {0, 0, [this](const Command&) { PrintDump(); }};
  commands_["show"] = {0, 2, [this](const Command& c) {
                         if (c.words.size() == 1) {
                           PrintShow("", 0);
                         } else {
                           Board(c);
                           PrintShow(c.words[1], c.words.size() > 2 ? Number(c.words[2]) : 0);
                         }
                       }};
  commands_["echo"] = {0, 1000, [](const Command&) {}};
}

std::string ScriptRunner::Validate(const Command& command) const {
  const std::string& name = command.words[0];
  auto it = commands_.find(name);
  if (it == commands_.end()) return "unknown command '" + name + "'";
  const size_t args = command.words.size() - 1;
  if (args < it->second.min_args || args > it->second.max_args) {
    return name + ": wrong number of arguments";
  }
  auto number_in = [&](size_t i, long long low, long long high) {
    long long value = 0;
    return ParseNumber(command.words[i], &value) && value >= low && value <= high;
  };
  if (name == "click" || name == "dblclick" || (name == "show" && args > 0)) {
    if (args == 2 && !number_in(2, 0, 1000)) return name + ": bad index '" + command.words[2] + "'";
    Controls probe;
    const int index = args == 2 ? Number(command.words[2]) : 0;
    if (probe.Find(command.words[1], index) == nullptr) {
      return name + ": no control '" + command.words[1] +
             (args == 2 ? " " + command.words[2] : "") + "'";
    }
  } else if (name == "wait") {
    if (!number_in(1, 0, 1000LL * 60 * 60 * 24 * 365)) return "wait: bad time";
  } else if (name == "roll") {
    if (!number_in(1, 1, 6) || !number_in(2, 1, 6)) return "roll: dice are 1..6";
  } else if (name == "drag" || name == "drag-right") {
    if (!number_in(1, 1, kStones)) return name + ": stones are 1..30";
    if (!number_in(2, 0, kSections)) return name + ": sections are 0..26";
  } else if (name == "dragto") {
    if (!number_in(1, 1, kStones)) return "dragto: stones are 1..30";
    if (!number_in(2, -1000000, 1000000) || !number_in(3, -1000000, 1000000)) {
      return "dragto: bad position";
    }
  } else if (name == "hover") {
    if (!number_in(1, 1, kStones)) return "hover: stones are 1..30";
  } else if (name == "expect") {
    long long value = 0;
    if (!ParseNumber(command.words[3], &value)) return "expect: the value must be a number";
  } else if (name == "expect-file") {
    if (command.words[2] != "present" && command.words[2] != "absent") {
      return "expect-file: say present or absent";
    }
  } else if (name == "menu") {
    std::string caption = command.words[1];
    if (args == 2) caption += " " + command.words[2];
    if (caption != "Show Game" && caption != "Hide Game" && caption != "Show Help" &&
        caption != "Hide Help" && caption != "Exit") {
      return "menu: no item '" + caption + "'";
    }
  }
  return "";
}

int ScriptRunner::Run(std::istream& script) {
  std::vector<Command> commands;
  std::vector<std::string> echoes;
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    Command command;
    command.line = number;
    if (line.compare(first, 4, "echo") == 0 &&
        (line.size() == first + 4 || std::isspace(static_cast<unsigned char>(line[first + 4])))) {
      std::string text = line.size() > first + 5 ? line.substr(first + 5) : "";
      command.words = {"echo", text};
    } else if (!Tokenize(line, &command.words)) {
      out_ << "line " << number << ": unclosed quote\n";
      return kMalformed;
    }
    std::string error = Validate(command);
    if (!error.empty()) {
      out_ << "line " << number << ": " << error << "\n";
      return kMalformed;
    }
    commands.push_back(std::move(command));
  }

  try {
    for (const Command& command : commands) {
      if (shell_.quit()) break;
      if (command.words[0] == "echo") {
        out_ << command.words[1] << "\n";
        continue;
      }
      commands_.at(command.words[0]).handler(command);
      CheckInvariants();
    }
  } catch (const Stop& stop) {
    out_.flush();
    return stop.code;
  }
  out_.flush();
  return exit_code_;
}

}  // namespace zelvik
