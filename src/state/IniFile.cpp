#include "state/IniFile.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace zelvik {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::ostringstream text;
  text << in.rdbuf();
  Parse(text.str());
}

std::string IniFile::Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

void IniFile::Parse(const std::string& text) {
  std::istringstream in(text);
  std::string raw;
  Section* current = nullptr;
  while (std::getline(in, raw)) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::string_view line = Trim(raw);
    if (!line.empty() && line.front() == '[') {
      size_t close = line.find(']');
      if (close != std::string_view::npos) {
        current = &GetOrAddSection(Trim(line.substr(1, close - 1)));
        continue;
      }
    }
    Line entry;
    size_t equals = line.find('=');
    if (current != nullptr && equals != std::string_view::npos && equals > 0 &&
        line.front() != ';') {
      entry.is_key = true;
      entry.key = std::string(Trim(line.substr(0, equals)));
      entry.value = std::string(Trim(line.substr(equals + 1)));
      std::string lower = Lower(entry.key);
      // The first of two lines with the same key is the one read.
      current->index.emplace(lower, current->lines.size());
    } else {
      entry.raw = raw;
    }
    if (current == nullptr) {
      preamble_.push_back(raw);
    } else {
      current->lines.push_back(std::move(entry));
    }
  }
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  auto it = section_index_.find(Lower(Trim(name)));
  return it == section_index_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::GetOrAddSection(std::string_view name) {
  std::string lower = Lower(name);
  auto it = section_index_.find(lower);
  if (it != section_index_.end()) return sections_[it->second];
  section_index_.emplace(lower, sections_.size());
  sections_.push_back(Section{std::string(name), {}, {}});
  return sections_.back();
}

const std::string* IniFile::ReadText(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  auto it = found->index.find(Lower(Trim(key)));
  if (it == found->index.end()) return nullptr;
  return &found->lines[it->second].value;
}

bool IniFile::ParseInt(std::string_view text, int* value) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long long magnitude = 0;
  size_t digits = 0;
  while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) {
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[digits] - '0');
    ++digits;
  }
  if (digits == 0) return false;
  if (negative) magnitude = -magnitude;
  if (magnitude > INT_MAX) magnitude = INT_MAX;
  if (magnitude < INT_MIN) magnitude = INT_MIN;
  *value = static_cast<int>(magnitude);
  return true;
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int default_value) const {
  const std::string* text = ReadText(section, key);
  int value = 0;
  if (text == nullptr || !ParseInt(*text, &value)) return default_value;
  return value;
}

bool IniFile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = GetOrAddSection(Trim(section));
  std::string lower = Lower(Trim(key));
  auto it = target.index.find(lower);
  if (it != target.index.end()) {
    target.lines[it->second].value = std::string(value);
  } else {
    Line entry;
    entry.is_key = true;
    entry.key = std::string(Trim(key));
    entry.value = std::string(value);
    target.index.emplace(lower, target.lines.size());
    target.lines.push_back(std::move(entry));
  }
  return Save();
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
  return WriteText(section, key, std::to_string(value));
}

bool IniFile::EmptySection(std::string_view section) {
  Section& target = GetOrAddSection(Trim(section));
  target.lines.clear();
  target.index.clear();
  return Save();
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& section : sections_) names.push_back(section.name);
  return names;
}

std::vector<std::pair<std::string, std::string>> IniFile::Keys(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> keys;
  const Section* found = FindSection(section);
  if (found == nullptr) return keys;
  for (const Line& line : found->lines) {
    if (line.is_key) keys.emplace_back(line.key, line.value);
  }
  return keys;
}

std::string IniFile::Serialize() const {
  std::string text;
  for (const std::string& line : preamble_) text += line + "\n";
  for (const Section& section : sections_) {
    text += "[" + section.name + "]\n";
    for (const Line& line : section.lines) {
      text += line.is_key ? line.key + "=" + line.value + "\n" : line.raw + "\n";
    }
  }
  return text;
}

bool IniFile::Save() const {
  namespace fs = std::filesystem;
  const std::string temp = path_ + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << Serialize();
    out.flush();
    if (!out) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code error;
  fs::rename(temp, path_, error);
  if (error) {
    fs::remove(temp, error);
    return false;
  }
  return true;
}

}  // namespace zelvik
