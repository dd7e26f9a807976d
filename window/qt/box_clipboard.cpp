// A box's clipboard and menu in the Qt window: a paste takes what pasteOf
// gives, Ctrl+C with nothing selected takes the whole box, and the menu
// adds the copies of results, as plain text and HTML together.
#include "window/qt/form2.h"

#include "window/qt/note.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <memory>

namespace quintora {

void Form2::pasteInto(QLineEdit* edit, Field f, const QString& text) {
    if (edit->isReadOnly())
        return;
    const Paste paste = pasteOf(text.toStdString());
    edit->insert(qstring(paste.text)); // the user's edit, as typing is
    logic_->pasted(f, paste);
}

void Form2::copyResults(std::size_t which) {
    if (!logic_->copyState(which).enabled) {
        note_->showFor(QApplication::focusWidget(), qstring(logic_->copyLabel(which)), true);
        return;
    }
    const ResultsTable table = logic_->copyResults(which);
    auto* data = new QMimeData;
    data->setText(qstring(table.text));
    data->setHtml(qstring(table.html));
    QApplication::clipboard()->setMimeData(data);
}

// Qt's own menu of a box, whose "Copiar" takes the whole box when nothing is
// selected and whose "Colar" pastes as a paste must, then the copies of
// results.
void Form2::showMenu(QLineEdit* edit, Field f, QPoint at) {
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    // Qt's entries, known by the texts Qt made them from.
    const auto is = [](const QAction* action, const char* entry) {
        return action->text().startsWith(QCoreApplication::translate("QLineEdit", entry));
    };
    for (QAction* action : menu->actions()) {
        if (is(action, "&Copy")) {
            action->setEnabled(!edit->text().isEmpty());
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [edit] {
                QApplication::clipboard()->setText(edit->hasSelectedText() ? edit->selectedText()
                                                                           : edit->text());
            });
        } else if (is(action, "&Paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this, edit, f] { pasteInto(edit, f, QApplication::clipboard()->text()); });
        }
    }
    menu->addSeparator();
    for (const std::size_t which : {quantityNumber(f.control), allResults}) {
        QAction* copy = menu->addAction(qstring(logic_->copyLabel(which)));
        copy->setEnabled(logic_->copyState(which).enabled);
        connect(copy, &QAction::triggered, this, [this, which] { copyResults(which); });
    }
    menu->exec(at);
}

bool Form2::takeClipboardEvent(QLineEdit* edit, Field f, QEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            pasteInto(edit, f, clipboard->text());
            return true;
        }
        if (key->matches(QKeySequence::Copy) && !edit->hasSelectedText()) {
            clipboard->setText(edit->text()); // nothing selected: the whole box
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: // X11's paste of the selection
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
            !clipboard->supportsSelection())
            return false;
        edit->deselect();
        pasteInto(edit, f, clipboard->text(QClipboard::Selection));
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasText() || drop->source() == edit)
            return false;
        edit->setCursorPosition(edit->cursorPositionAt(drop->position().toPoint()));
        pasteInto(edit, f, drop->mimeData()->text());
        drop->acceptProposedAction();
        return true;
    }
    case QEvent::ContextMenu:
        showMenu(edit, f, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

} // namespace quintora
