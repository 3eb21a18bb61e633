#pragma once

#include <QSize>

class QTableView;
class QWidget;

namespace trevalo::results {

// A top-level form the user may resize and maximise: it opens at `opening`, and its layout
// sets the least size at which every control still shows.
void makeResizable(QWidget& form, QSize opening);

// Each column of the table at least as wide as its widest text, header included, with the
// room the table has beyond that shared out among them; a table narrower than its texts
// scrolls sideways rather than cutting them. Kept so as the table is resized or refilled.
void fitColumnsToRoom(QTableView& table);

}  // namespace trevalo::results
