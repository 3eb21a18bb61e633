#include "results/form_style.h"

#include "wizard/twips.h"

#include <QPushButton>
#include <QWidget>

namespace trevalo::results {

void useFormFont(QWidget& form)
{
    QFont font = form.font();
    font.setPixelSize(12);
    form.setFont(font);
}

void setUpResultWindow(QWidget& form, const char* objectName, int widthTwips, int heightTwips)
{
    form.setObjectName(QString::fromLatin1(objectName));
    form.setWindowTitle(QStringLiteral("Trevalo——结果"));
    form.setFixedSize(sizeOf(widthTwips, heightTwips));
    useFormFont(form);
}

QPushButton* makeResultButton(QWidget& form, const char* objectName, const QString& caption, int leftTwips,
                              int topTwips, int widthTwips, int heightTwips)
{
    auto* button = new QPushButton(caption, &form);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(QRect(pointAt(leftTwips, topTwips), sizeOf(widthTwips, heightTwips)));
    return button;
}

}  // namespace trevalo::results
