// The program's four sounds, played from its built-in resources without waiting.
#pragma once

#include <QSoundEffect>
#include <map>
#include <memory>

namespace zelvik {

class SoundPlayer {
 public:
  // Loads every sound found at ":/sounds/<id>.wav" for the ids given, once.
  SoundPlayer(int first_id, int last_id);
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Starts the sound and returns at once; a sound still playing is cut off. An id with no
  // sound plays nothing. Without a sound device the effect reports an error and stays silent.
  void Play(int id);

  bool Has(int id) const { return effects_.count(id) != 0; }

 private:
  std::map<int, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* current_ = nullptr;
};

}  // namespace zelvik
