#include "board/Controls.h"

namespace zelvik {

std::vector<Controls::Named> Controls::All() {
  std::vector<Named> all;
  for (int i = 1; i <= 30; ++i) all.push_back({"Stone", i, &Stone[i]});
  for (int i = 1; i <= 26; ++i) all.push_back({"Display", i, &Display[i]});
  for (int i = 1; i <= 2; ++i) all.push_back({"LightDie", i, &LightDie[i]});
  for (int i = 1; i <= 2; ++i) all.push_back({"DarkDie", i, &DarkDie[i]});
  all.push_back({"Reset", 0, &Reset});
  all.push_back({"Undo", 0, &Undo});
  all.push_back({"Players", 0, &Players});
  all.push_back({"Demo", 0, &Demo});
  all.push_back({"Exiter", 0, &Exiter});
  all.push_back({"Helper", 0, &Helper});
  all.push_back({"Hit", 0, &Hit});
  all.push_back({"Marker", 0, &Marker});
  all.push_back({"Hider", 0, &Hider});
  return all;
}

Control* Controls::Find(std::string_view name, int index) {
  for (const Named& named : All()) {
    if (named.name == name && named.index == index) return named.control;
  }
  return nullptr;
}

}  // namespace zelvik
