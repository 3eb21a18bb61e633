#include "results/form_style.h"

#include "results/twips.h"

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

}  // namespace trevalo::results
