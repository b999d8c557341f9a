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

TestBoard::TestBoard(std::uint64_t seed) {
  std::string pattern = (std::filesystem::temp_directory_path() / "zelvik-test-XXXXXX").string();
  dir_ = mkdtemp(pattern.data());
  platform_ = std::make_unique<HeadlessPlatform>(dir_, ScreenSize{1024, 768}, seed);
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

namespace zelvik::testing {

double TestBoard::DropLeft(int section) const {
  const double W = board_->ctx().controls.window_width;
  const double w = W / 15;
  if (section == 0) return 0.42 * W;
  if (section == kLightTray || section == kDarkTray) return 0.895 * W;
  const int k = section > 12 ? section - 12 : section;
  return (k - 1) * w + (k >= 7 ? 0.45 * w : 0) + 0.525 * w;
}

double TestBoard::DropTop(int section) const {
  const double H = board_->ctx().controls.window_height;
  if (section == 0) return 0.2 * H;
  if (section == kLightTray) return (0.04 + 0.413) / 2 * H;
  if (section == kDarkTray) return (0.413 + 0.83) / 2 * H;
  return section > 12 ? (0.43 + 0.81) / 2 * H : (0.028 + 0.4) / 2 * H;
}

void TestBoard::Drag(int stone, int section, int buttons) {
  constexpr double kGrabX = 300;
  constexpr double kGrabY = 270;
  const Control& picture = board_->controls().Stone[stone];
  board_->StoneMouseDown(stone, buttons, kGrabX, kGrabY);
  board_->StoneMouseMove(stone, buttons, kGrabX + DropLeft(section) - picture.left,
                         kGrabY + DropTop(section) - picture.top);
  board_->StoneMouseUp(stone, buttons, kGrabX, kGrabY);
}

}  // namespace zelvik::testing
