// The settings-file text format: "[Section]" lines open sections, "key=value" lines follow.
//
// Section and key names match without regard to case. A key whose value is empty, missing or
// not a number reads as the caller's default. Lines that are neither a section, a key nor blank
// are kept as they are and otherwise ignored.
//
// The parsed file is held in memory; every change rewrites the file whole through a temporary
// file in the same directory and a rename, so the file on disk is always either the old or the
// new content, never half of each.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvik {

class IniFile {
 public:
  // Reads `path` if it exists; a missing or unreadable file reads as empty.
  explicit IniFile(std::string path);

  const std::string& path() const { return path_; }

  int ReadInt(std::string_view section, std::string_view key, int default_value) const;
  // The raw text of a key, or nullptr when the section or key is missing.
  const std::string* ReadText(std::string_view section, std::string_view key) const;

  // Each write returns whether the file on disk now holds the change. The change is kept in
  // memory either way, so that reads stay consistent with the writes the game has made.
  bool WriteText(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInt(std::string_view section, std::string_view key, int value);
  bool WriteEmpty(std::string_view section, std::string_view key) {
    return WriteText(section, key, "");
  }
  // Removes every key of the section (the section itself stays).
  bool EmptySection(std::string_view section);

  // Names of the sections and their keys in file order, for dumps.
  std::vector<std::string> SectionNames() const;
  std::vector<std::pair<std::string, std::string>> Keys(std::string_view section) const;

  // Parses a value the way the classic reader does: optional blanks, an optional sign and
  // decimal digits; anything after the digits is ignored. Returns false when there are no
  // digits. Values beyond the int range saturate.
  static bool ParseInt(std::string_view text, int* value);

  std::string Serialize() const;
  bool Save() const;

 private:
  struct Line {
    bool is_key = false;
    std::string key;    // as written in the file
    std::string value;  // for key lines
    std::string raw;    // for other lines
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
    std::unordered_map<std::string, size_t> index;  // lower-case key -> line
  };

  static std::string Lower(std::string_view text);
  void Parse(const std::string& text);
  const Section* FindSection(std::string_view name) const;
  Section& GetOrAddSection(std::string_view name);

  std::string path_;
  std::vector<std::string> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> section_index_;
};

}  // namespace zelvik
