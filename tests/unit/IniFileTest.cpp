#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestBoard.h"
#include "state/IniFile.h"

namespace zelvik {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  IniFileTest() {
    dir_ = std::filesystem::temp_directory_path() /
           ("zelvik-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "Test.ini").string();
  }
  ~IniFileTest() override { std::filesystem::remove_all(dir_); }

  std::string FileText() const {
    std::ifstream in(path_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path dir_;
  std::string path_;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsTheDefault) {
  IniFile file(path_);
  EXPECT_EQ(file.ReadInt("Dice", "1", -1), -1);
  file.WriteInt("Dice", "1", 4);
  EXPECT_EQ(file.ReadInt("Dice", "2", -7), -7);
  EXPECT_EQ(file.ReadInt("Bar", "1", 0), 0);
  EXPECT_EQ(file.ReadInt("Dice", "1", -1), 4);
}

TEST_F(IniFileTest, WritesCreateFileSectionAndKeyAsPlainText) {
  IniFile file(path_);
  file.WriteInt("Current Player", "Player", 2);
  file.WriteInt("Current Player", "Moves", -3);
  file.WriteInt("Dice", "1", 5);
  EXPECT_EQ(FileText(), "[Current Player]\nPlayer=2\nMoves=-3\n[Dice]\n1=5\n");
  EXPECT_EQ(IniFile(path_).ReadInt("current player", "MOVES", 0), -3);
}

TEST_F(IniFileTest, AnEmptiedKeyReadsAsMissingAndStaysInTheFile) {
  IniFile file(path_);
  file.WriteInt("Bar", "1", 17);
  file.WriteEmpty("Bar", "1");
  EXPECT_EQ(file.ReadInt("Bar", "1", -1), -1);
  EXPECT_EQ(FileText(), "[Bar]\n1=\n");
}

TEST_F(IniFileTest, EmptyingASectionDropsAllItsKeysOnly) {
  IniFile file(path_);
  file.WriteInt("3", "1", 18);
  file.WriteInt("3", "2", 19);
  file.WriteInt("4", "1", 20);
  file.EmptySection("3");
  EXPECT_EQ(file.ReadInt("3", "1", -1), -1);
  EXPECT_EQ(file.ReadInt("3", "2", -1), -1);
  EXPECT_EQ(file.ReadInt("4", "1", -1), 20);
  file.WriteInt("3", "1", 21);
  EXPECT_EQ(IniFile(path_).ReadInt("3", "1", -1), 21);
}

TEST_F(IniFileTest, DamagedLinesAreKeptButIgnored) {
  std::ofstream(path_) << "garbage before any section\n[Dice\n[Dice]\r\n"
                          "1=3\r\nnot a key\n=7\n2= 6 \n3=x\n4=99999999999\n5=-4abc\n"
                          "[Positions]\n1=2\n1=9\n";
  IniFile file(path_);
  EXPECT_EQ(file.ReadInt("Dice", "1", -1), 3);
  EXPECT_EQ(file.ReadInt("Dice", "2", -1), 6);
  EXPECT_EQ(file.ReadInt("Dice", "3", -1), -1);  // not a number: the default
  EXPECT_EQ(file.ReadInt("Dice", "4", -1), 2147483647);
  EXPECT_EQ(file.ReadInt("Dice", "5", -1), -4);
  EXPECT_EQ(file.ReadInt("Positions", "1", 0), 2);  // the first of two lines counts
  file.WriteInt("Dice", "1", 1);
  const std::string text = FileText();
  EXPECT_NE(text.find("garbage before any section"), std::string::npos);
  EXPECT_NE(text.find("not a key"), std::string::npos);
  EXPECT_NE(text.find("1=1"), std::string::npos);
}

TEST_F(IniFileTest, AnUnwritableDirectoryKeepsTheChangeInMemory) {
  IniFile file((dir_ / "no such dir" / "Test.ini").string());
  EXPECT_FALSE(file.WriteInt("Dice", "1", 3));
  EXPECT_EQ(file.ReadInt("Dice", "1", -1), 3);
}

TEST_F(IniFileTest, NoTemporaryFileIsLeftBehind) {
  IniFile file(path_);
  file.WriteInt("Dice", "1", 3);
  EXPECT_FALSE(std::filesystem::exists(path_ + ".tmp"));
}

}  // namespace
}  // namespace zelvik
