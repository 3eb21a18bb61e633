#include "wizard/splash_form.h"

#include "wizard/artwork.h"
#include "wizard/fonts.h"
#include "wizard/navigator.h"

#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

namespace trevalo {

SplashForm::SplashForm(Navigator& navigator, QWidget* parent) : QWidget(parent), m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Trevalo"));
    setWindowIcon(trevaloIcon());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(splashPicture());
    picture->setFixedSize(picture->pixmap().size());

    auto* title = new QLabel(QStringLiteral("Trevalo1.02"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont(splashTitleFamily());
    titleFont.setPointSizeF(26.25);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    title->setFont(titleFont);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(128, 128, 255));
    title->setPalette(titlePalette);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(title, 0, Qt::AlignHCenter);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SplashForm::tick);
    m_timer.start();
}

void SplashForm::tick()
{
    if (m_ticks < kLastCountedTick) {
        ++m_ticks;
        return;
    }
    // Stopped first, so a late tick can never open the building data form twice.
    m_timer.stop();
    m_navigator.show(FormId::Form2);
    m_navigator.unload(FormId::Form1);
}

}  // namespace trevalo
