#include "platform/qt/SoundPlayer.h"

#include <QFile>
#include <QString>
#include <QUrl>

namespace zelvik {

SoundPlayer::SoundPlayer(int first_id, int last_id) {
  for (int id = first_id; id <= last_id; ++id) {
    const QString path = QStringLiteral(":/sounds/%1.wav").arg(id);
    if (!QFile::exists(path)) continue;
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl(QStringLiteral("qrc") + path));
    effects_[id] = std::move(effect);
  }
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(int id) {
  const auto found = effects_.find(id);
  if (found == effects_.end()) return;
  QSoundEffect* effect = found->second.get();
  if (current_ != nullptr) current_->stop();
  effect->stop();  // the same sound again starts from its beginning
  effect->play();
  current_ = effect;
}

}  // namespace zelvik
