#include "results/caption_label.h"

#include <algorithm>

namespace trevalo::results {

CaptionLabel::CaptionLabel(const QString& objectName, int minimumHeight, QWidget* parent)
    : QLabel(parent), m_minimumHeight(minimumHeight)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CaptionLabel::setCaption(const QString& caption)
{
    setText(caption);
    const QSize hint = sizeHint();
    resize(hint.width(), std::max(hint.height(), m_minimumHeight));
}

}  // namespace trevalo::results
