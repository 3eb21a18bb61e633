#include "wizard/artwork.h"

// The resources live in a static library, so they must be registered by hand
// (from the global namespace) before the first look-up.
static void registerWizardArtwork()
{
    Q_INIT_RESOURCE(wizard_artwork);
}

namespace trevalo {

namespace {

void ensureArtwork()
{
    static const bool registered = [] {
        registerWizardArtwork();
        return true;
    }();
    (void)registered;
}

}  // namespace

QIcon trevaloIcon()
{
    ensureArtwork();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/trevalo/trevalo-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap splashPicture()
{
    ensureArtwork();
    return QPixmap(QStringLiteral(":/trevalo/splash.png"));
}

}  // namespace trevalo
