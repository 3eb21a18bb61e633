#include "wizard/form_placement.h"

#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace trevalo {

namespace {

// Moves everything the form holds, its layout included, onto a page of a scroll area that
// fills the form; the controls keep their names, places and visibility.
void holdInScrollArea(QWidget& form, const QSize& design)
{
    auto* page = new QWidget;
    if (QLayout* layout = form.layout())
        page->setLayout(layout);  // takes the layout and the widgets it manages
    for (QWidget* child : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const bool hidden = child->isHidden();
        child->setParent(page);
        child->setHidden(hidden);
    }
    page->setFixedSize(design);

    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("formScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    auto* fill = new QVBoxLayout(&form);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(area);
}

// Moves the form's contents into a scroll area and holds the window within room; returns the
// window's outer size.
QSize heldInScrollArea(QWidget& form, const QSize& design, const QSize& room, const QMargins& decoration)
{
    holdInScrollArea(form, design);
    // The window becomes resizable, and window managers may then draw a grip below it that the
    // measured decoration of a fixed-size window lacks: leave room for it.
    const QSize held = room - QSize(0, decoration.top() / 2);
    // A scroll bar along one side takes room from the other.
    const int bar = form.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize whole = design + QSize(design.height() > held.height() ? bar : 0, design.width() > held.width() ? bar : 0);
    const QSize window = whole.boundedTo(held);
    form.setMinimumSize(window.boundedTo(QSize(200, 150)));
    form.setMaximumSize(whole);
    form.resize(window);
    return window.grownBy(decoration);
}

}  // namespace

void placeOnScreen(QWidget& form, const QRect& available, const QMargins& decoration)
{
    // A form that chose the size it opens at keeps it; the others open at their layout's size.
    if (!form.testAttribute(Qt::WA_Resized))
        form.adjustSize();
    const QSize design = form.size();
    const QSize room = available.size().shrunkBy(decoration);
    const bool fits = design.width() <= room.width() && design.height() <= room.height();
    const bool resizable = form.minimumSize() != form.maximumSize();
    QSize outer;
    if (fits) {
        outer = form.frameGeometry().size();
    } else if (resizable && form.minimumSizeHint().boundedTo(room) == form.minimumSizeHint()) {
        // A resizable form that can shrink into the room opens at the room's size, no scroll area.
        form.resize(design.boundedTo(room));
        outer = form.size().grownBy(decoration);
    } else {
        outer = heldInScrollArea(form, design, room, decoration);
    }
    form.move(available.x() + (available.width() - outer.width()) / 2,
              available.y() + (available.height() - outer.height()) / 2);
}

QMargins windowDecoration()
{
    // Remembered, since a result form is loaded while no other window is shown.
    static QMargins measured;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const QRect frame = window->frameGeometry();
        const QRect client = window->geometry();
        const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                               frame.bottom() - client.bottom());
        if (!margins.isNull()) {
            measured = margins;
            break;
        }
    }
    return measured;
}

}  // namespace trevalo
