#include "window/qt/note.h"

#include "window/controls.h"

#include <QApplication>
#include <QEvent>

namespace quintora {

Note::Note(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("note"));
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    // Seen before any widget of the window takes the click or the key.
    qApp->installEventFilter(this);
}

Note::~Note() {
    qApp->removeEventFilter(this);
}

void Note::showFor(QWidget* box, const QString& text, bool untilInput) {
    untilInput_ = untilInput;
    if (text.isEmpty() || !box) {
        hide();
        return;
    }
    setText(text);
    // Its size from its own text alone, whatever note came before.
    const int frame = 2 * (margin() + frameWidth());
    const int natural = fontMetrics().horizontalAdvance(text) + frame + 1;
    const auto wrapped = [&](int room) {
        const int width = std::min(room, natural);
        return PixelSize{width, heightForWidth(width)};
    };
    const QPoint at = box->mapTo(parentWidget(), QPoint(0, 0));
    const PixelRect place = notePlace({at.x(), at.y(), box->width(), box->height()}, wrapped, 96);
    setFixedSize(place.width, place.height);
    move(place.x, place.y);
    raise();
    show();
}

bool Note::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (untilInput_ && isVisible() &&
        (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == window())
            hide();
    }
    return false;
}

} // namespace quintora
