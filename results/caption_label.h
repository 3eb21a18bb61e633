#pragma once

#include <QLabel>
#include <QString>

namespace trevalo::results {

// A label that sizes itself to its caption on one line, never lower than its design height,
// keeping its top-left corner where the form put it.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& objectName, int minimumHeight, QWidget* parent);

    void setCaption(const QString& caption);

private:
    int m_minimumHeight;
};

}  // namespace trevalo::results
