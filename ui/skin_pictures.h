#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tamberlyx {

// Resource paths of the pictures compiled into the program.
inline constexpr const char* kWelcomePicture = ":/tamberlyx/welcome.png";  // 559 × 352
inline constexpr const char* kPagePicture = ":/tamberlyx/page.png";        // 559 × 354

// The picture at the path, loaded on first use and kept: painting never reloads it.
QPixmap SkinPicture(const QString& path);

// The application icon in all its sizes.
QIcon ApplicationIcon();

}  // namespace tamberlyx
