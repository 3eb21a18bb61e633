#pragma once

#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace trevalo {

class Navigator;

// Form1: the program's title and version for six timer ticks (about 1.2 s), then
// the building data form. No buttons; clicks and keys do nothing.
class SplashForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 200;
    static constexpr int kLastCountedTick = 5;  // the tick after this one switches

    explicit SplashForm(Navigator& navigator, QWidget* parent = nullptr);

private:
    void tick();

    Navigator& m_navigator;
    QTimer m_timer{this};
    std::int16_t m_ticks = 0;
};

}  // namespace trevalo
