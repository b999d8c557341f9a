#include "TestBoard.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zelvik::testing {

std::string Position::ToIni() const {
  std::string text = "[Current Player]\nPlayer=" + std::to_string(player) +
                     "\nMoves=" + std::to_string(moves) + "\nPlay Number=" + std::to_string(play) +
                     "\n[Dice]\n";
  for (int i = 0; i < 4; ++i) text += std::to_string(i + 1) + "=" + std::to_string(dice[i]) + "\n";
  text += "[Bar]\n";
  for (size_t i = 0; i < bar.size(); ++i) {
    text += std::to_string(i + 1) + "=" + std::to_string(bar[i]) + "\n";
  }
  for (const auto& [section, stones] : sections) {
    text += "[" + std::to_string(section) + "]\n";
    for (size_t i = 0; i < stones.size(); ++i) {
      text += std::to_string(i + 1) + "=" + std::to_string(stones[i]) + "\n";
    }
  }
  return text;
}

TestBoard::TestBoard() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "zelvik-test-XXXXXX").string();
  dir_ = mkdtemp(pattern.data());
  platform_ = std::make_unique<HeadlessPlatform>(dir_);
  platform_->on_message = [this](const std::string& text) {
    transcript.push_back("message " + text);
  };
  platform_->on_sound = [this](int id) { transcript.push_back("sound " + std::to_string(id)); };
  board_ = std::make_unique<BoardWindow>(*platform_);
}

TestBoard::~TestBoard() {
  board_.reset();
  platform_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void TestBoard::StartWithText(const std::string& ini_text) {
  std::ofstream(dir_ + "/Zelvik.ini") << ini_text;
  board_->ctx().store.Reload();
  board_->Create();
}

void TestBoard::Start(const Position& position) { StartWithText(position.ToIni()); }

void TestBoard::StartNew() { board_->Create(); }

}  // namespace zelvik::testing
