// The note that says why the box with the focus looks as it does, or why a
// copy was refused: a label inside the window, placed by notePlace where it
// covers no box. Clicks pass through it to what lies under it. A box's
// reason stays while the box has the focus; a refused copy's note goes at
// the next click or key anywhere in the window.
#pragma once

#include <QLabel>

namespace quintora {

class Note : public QLabel {
    Q_OBJECT

public:
    explicit Note(QWidget* window);
    ~Note() override;

    // Shows `text` beside `box`, measured afresh, until the next click or
    // key when `untilInput`; hides the note for an empty text or no box.
    void showFor(QWidget* box, const QString& text, bool untilInput = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool untilInput_ = false;
};

} // namespace quintora
