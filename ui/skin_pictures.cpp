#include "ui/skin_pictures.h"

#include <QPixmapCache>

#include "res/resources.h"

namespace tamberlyx {

QPixmap SkinPicture(const QString& path) {
  QPixmap picture;
  if (QPixmapCache::find(path, &picture)) return picture;
  InitResources();
  if (picture.load(path)) QPixmapCache::insert(path, picture);
  return picture;
}

QIcon ApplicationIcon() {
  InitResources();
  QIcon icon;
  for (const char* name : {"icon-16", "icon-32", "icon-48", "icon", "icon-256"}) {
    icon.addFile(QStringLiteral(":/tamberlyx/%1.png").arg(QLatin1String(name)));
  }
  return icon;
}

}  // namespace tamberlyx
