#include "results/form_style.h"

#include "wizard/twips.h"

#include <QLabel>
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

namespace {

constexpr int kNotesMarginTwips = 360;

}  // namespace

QLabel* makeNotesLine(QWidget& form, int widthTwips, int heightTwips)
{
    auto* line = new QLabel(&form);
    line->setObjectName(QStringLiteral("Notes"));
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->setStyleSheet(QStringLiteral("#Notes { color: #8a4b00; }"));
    line->move(pointAt(kNotesMarginTwips, heightTwips));
    line->setFixedWidth(sizeOf(widthTwips - 2 * kNotesMarginTwips, 0).width());
    line->hide();
    return line;
}

void showNotes(QWidget& form, QLabel& line, const std::vector<std::string>& notes, int widthTwips, int heightTwips)
{
    QString text;
    for (const std::string& note : notes)
        text += (text.isEmpty() ? QStringLiteral("注意：") : QStringLiteral("\n注意：")) + QString::fromStdString(note);
    line.setText(text);
    line.setVisible(!notes.empty());
    const QSize designed = sizeOf(widthTwips, heightTwips);
    if (notes.empty()) {
        form.setFixedSize(designed);
        return;
    }
    const int lineHeight = line.heightForWidth(line.width());
    line.setFixedHeight(lineHeight);
    form.setFixedSize(designed.width(), designed.height() + lineHeight + sizeOf(0, kNotesMarginTwips / 3).height());
}

}  // namespace trevalo::results
