#include "platform/qt/ProgramDirectory.h"

#include <QDir>
#include <QTemporaryFile>

namespace zelvik {

bool CanWriteIn(const QString& dir) {
  if (dir.isEmpty() || !QDir(dir).exists()) return false;
  // Permission bits do not tell (a read-only mount, or access lists): try it.
  QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".zelvik-probe-XXXXXX")));
  return probe.open();  // removed again when `probe` goes
}

QString ChooseProgramDirectory(const QString& preferred, const QString& fallback) {
  if (CanWriteIn(preferred)) return QDir::cleanPath(preferred);
  QDir().mkpath(fallback);
  return QDir::cleanPath(fallback);
}

}  // namespace zelvik
