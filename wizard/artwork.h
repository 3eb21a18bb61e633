#pragma once

#include <QIcon>
#include <QPixmap>

namespace trevalo {

// The program's icon in every size it ships (16 to 256 pixels).
QIcon trevaloIcon();

// The 179 x 109 picture of the splash form.
QPixmap splashPicture();

}  // namespace trevalo
