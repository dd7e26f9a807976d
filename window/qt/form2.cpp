#include "window/qt/form2.h"

#include "window/qt/icon_data.h"
#include "window/qt/note.h"
#include "window/texts.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionComplex>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>

namespace quintora {

QColor qcolor(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

Rgb rgbOf(const QColor& colour) {
    return {static_cast<unsigned char>(colour.red()), static_cast<unsigned char>(colour.green()),
            static_cast<unsigned char>(colour.blue())};
}

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// The selectors are narrow: a slimmer drop-down arrow leaves their edit
// field room for the longest unit name, "Kgf/mm2".
class SlimArrowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return rect;
        const int arrow =
            QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget).width();
        const int spare = std::max(0, arrow - slimArrow);
        if (part == SC_ComboBoxArrow)
            rect.setLeft(rect.left() + spare);
        else
            rect.setRight(rect.right() + spare);
        return rect;
    }

private:
    static constexpr int slimArrow = 14;
};

// Qt names an editable combo box after its text on some platforms; a screen
// reader must hear which selector it is, and the unit as its value.
class SelectorAccessible : public QAccessibleWidget {
public:
    explicit SelectorAccessible(Selector* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    QString text(QAccessible::Text kind) const override {
        auto* combo = static_cast<QComboBox*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return combo->accessibleName();
        case QAccessible::Value:
            return combo->currentText();
        case QAccessible::Description:
            return combo->toolTip();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* selectorAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(Selector::staticMetaObject.className()))
        return new SelectorAccessible(static_cast<Selector*>(object));
    return nullptr;
}

// The icon is built from its pixels: decoding an image file at start costs
// more than the rest of the window.
QIcon windowIcon16() {
    QImage image(icon::pixels, icon::size, icon::size, icon::size, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(std::begin(icon::colours), std::end(icon::colours)));
    return QIcon(QPixmap::fromImage(image));
}

QFont resized(QFont font, const TypeFace& face) {
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    return font;
}

char localeSeparator() {
    const QString point = QLocale().decimalPoint();
    return decimalSeparatorOf(point.size() == 1 ? point[0].unicode() : 0);
}

SystemColours systemColours(const QWidget* widget) {
    const QPalette standard = QApplication::palette(widget);
    const auto rgb = [&standard](QPalette::ColorRole role) { return rgbOf(standard.color(role)); };
    return {rgb(QPalette::Base), rgb(QPalette::Text), rgb(QPalette::Highlight),
            rgb(QPalette::HighlightedText), rgb(QPalette::PlaceholderText)};
}

// Every unit of the list shows at once and whole, in a popup that may be
// wider than its selector.
void showWholeList(QComboBox* combo) {
    combo->setMaxVisibleItems(combo->count());
    QAbstractItemView* list = combo->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth());
}

} // namespace

int textRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return contents.width() - 2 * 2; // Qt's horizontal margins of the text
}

// The controls as Form2Logic sees them.
class Form2::View : public FormView {
public:
    explicit View(Form2& form) : form_(form) {}

    std::string text(Field f) const override {
        if (QComboBox* combo = form_.selector(f.control))
            return combo->currentText().toStdString();
        return form_.box(f.control, f.index)->text().toStdString();
    }
    void setText(Field f, std::string_view text) override {
        QLineEdit* edit = form_.box(f.control, f.index);
        edit->setText(qstring(text));
        edit->setCursorPosition(0); // shown from its first character
    }
    bool fits(Field f, std::string_view text) const override {
        const QLineEdit* edit = form_.box(f.control, f.index);
        return edit->fontMetrics().horizontalAdvance(qstring(text)) <= textRoom(edit);
    }
    void setLook(Field f, const Look& look) override {
        QWidget* widget = form_.field(f.control, f.index);
        // Qt on Linux tells of no high-contrast mode: a high-contrast theme's
        // palette gets the tints, with texts chosen to stand out on them.
        const Paint paint = paintOf(look, systemColours(widget), false);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, qcolor(paint.background));
        palette.setColor(QPalette::Text, qcolor(paint.text));
        widget->setPalette(palette);
        // The reason a box looks as it does, for the mouse, for a screen
        // reader and, while it has the focus, for the keyboard.
        const QString reason = qstring(look.toolTip);
        widget->setToolTip(reason);
        widget->setAccessibleDescription(reason);
        if (QComboBox* combo = form_.selector(f.control))
            combo->lineEdit()->setAccessibleDescription(reason);
        if (widget->hasFocus())
            form_.showNote(widget, look.needsAttention() ? reason : QString());
    }
    void showError(std::string_view message) override {
        QMessageBox box(QMessageBox::Critical, qstring(texts::caption), qstring(message),
                        QMessageBox::Ok, &form_);
        box.exec();
    }

private:
    Form2& form_;
};

Form2::Form2(QWidget* parent)
    : QWidget(parent), view_(std::make_unique<View>(*this)),
      logic_(std::make_unique<Form2Logic>(*view_, localeSeparator())) {
    setWindowTitle(qstring(texts::caption));
    setWindowIcon(windowIcon16());
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    createControls();
    note_ = new Note(this);
    // Ctrl+Q ends the program like "Sai", as on Linux desktops, also where
    // the platform names no Quit key; and so does the platform's own Quit.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    for (const QKeySequence& keys : quitKeys) {
        auto* quit = new QShortcut(keys, this);
        connect(quit, &QShortcut::activated, this, &Form2::Command2_Click);
    }
    auto* copyAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copyAll, &QShortcut::activated, this, [this] { copyResults(allResults); });
    Form_Load();
}

Form2::~Form2() = default;

Selector::Selector(const Quantity& quantity, QStyle* style, QWidget* parent)
    : QComboBox(parent), quantity_(quantity) {
    static const bool factory = (QAccessible::installFactory(selectorAccessible), true);
    (void)factory;
    setStyle(style);
    setEditable(true);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // What the user types stays as typed: no completion, no case correction,
    // nothing added to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    for (const Unit& unit : quantity.units) {
        addItem(qstring(unit.name));
        setItemData(count() - 1, qstring(unit.spoken), Qt::ToolTipRole);
    }
    showWholeList(this);
}

void Form2::createControls() {
    const std::vector<ControlRow> table = controlTable();
    auto* selectorStyle = new SlimArrowStyle(QApplication::style()->name());
    selectorStyle->setParent(this);

    for (const ControlRow& row : table) {
        QWidget* widget = createControl(row, selectorStyle);
        if (row.font != FontRole::Normal)
            widget->setFont(resized(font(), fontOf(row.font)));
        widget->setObjectName(QString::fromStdString(row.objectName()));
        widget->setAccessibleName(qstring(row.accessibleName));
        widget->setToolTip(qstring(row.toolTip));
        const PixelRect r = row.pixels();
        widget->setGeometry(r.x, r.y, r.width, r.height);
    }

    const std::vector<const ControlRow*> order = tabOrder(table);
    QWidget* previous = nullptr;
    for (const ControlRow* row : order) {
        QWidget* widget =
            row->kind == Kind::Button ? button(row->fixed) : field(row->control, row->index);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    QWidget* first = order.front()->kind == Kind::Button
                         ? button(order.front()->fixed)
                         : field(order.front()->control, order.front()->index);
    first->setFocus();
}

QWidget* Form2::createControl(const ControlRow& row, QStyle* selectorStyle) {
    const Field f = row.field();
    switch (row.kind) {
    case Kind::Label:
        return labelMember(row.fixed) = new QLabel(qstring(row.text), this);
    case Kind::Button: {
        auto* button = new QPushButton(qstring(row.text), this);
        button->setDefault(row.isDefault);
        button->setAutoDefault(!row.isDefault); // Enter presses it while it has the focus
        connect(button, &QPushButton::clicked, this,
                row.fixed == Fixed::Command1 ? &Form2::Command1_Click : &Form2::Command2_Click);
        return buttonMember(row.fixed) = button;
    }
    case Kind::ComboBox: {
        auto* combo = selectorMember(row.control) =
            new Selector(quantityOf(row.control), selectorStyle, this);
        combo->setEditText(qstring(row.text));
        combo->lineEdit()->setCursorPosition(0);
        // The focus lands in the edit field: a screen reader names it too.
        combo->lineEdit()->setAccessibleName(qstring(row.accessibleName));
        combo->lineEdit()->installEventFilter(this);
        // Typed, picked from the list or turned with the wheel.
        connect(combo, &QComboBox::editTextChanged, this, [this, f] { logic_->edited(f); });
        return combo;
    }
    case Kind::TextBox:
        break;
    }
    auto* edit = boxMember(row.control, row.index) = new QLineEdit(qstring(row.text), this);
    edit->setMaxLength(std::numeric_limits<int>::max()); // no length limit
    edit->setCursorPosition(0);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, f] { logic_->edited(f); });
    return edit;
}

QWidget* Form2::field(Control control, int index) const {
    if (QComboBox* combo = selector(control))
        return combo;
    return box(control, index);
}

void Form2::Form_Load() {
    logic_->load();
}

void Form2::Command1_Click() {
    logic_->convert();
}

void Form2::Command2_Click() {
    QCoreApplication::exit(0);
}

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

// Enter reaches the window from any box that does not take it itself.
void Form2::keyPressEvent(QKeyEvent* event) {
    if (pressesEquals(isEnter(event), {})) {
        Command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Selector::showPopup() {
    const QString typed = currentText();
    QComboBox::showPopup();
    const int row = listRowFor(quantity_, typed.toStdString());
    view()->setCurrentIndex(row >= 0 ? model()->index(row, 0) : QModelIndex());
    if (currentText() != typed)
        setEditText(typed);
}

void Form2::showNote(QWidget* box, const QString& text) {
    note_->showFor(box, text);
}

std::optional<Field> Form2::fieldOf(const QObject* edit) const {
    const QObject* parent = edit->parent();
    for (const Field f : allFields()) {
        const QWidget* w = field(f.control, f.index);
        if (w == edit || (w == parent && qobject_cast<const QComboBox*>(parent)))
            return f;
    }
    return std::nullopt;
}

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

// The "=" key is taken in the boxes themselves, before they type it.
bool Form2::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool clipboardEvent = type == QEvent::KeyPress || type == QEvent::MouseButtonRelease ||
                                type == QEvent::Drop || type == QEvent::ContextMenu;
    if (auto* edit = clipboardEvent ? qobject_cast<QLineEdit*>(watched) : nullptr)
        if (const std::optional<Field> f = fieldOf(edit))
            if (takeClipboardEvent(edit, *f, event))
                return true;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto* widget = static_cast<QWidget*>(watched);
        if (auto* combo = qobject_cast<QComboBox*>(widget->parentWidget()))
            widget = combo;
        for (const Field f : allFields()) {
            if (field(f.control, f.index) != widget)
                continue;
            const Look& look = logic_->look(f);
            const bool shown = event->type() == QEvent::FocusIn && look.needsAttention();
            showNote(widget, shown ? qstring(look.toolTip) : QString());
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isEnter(key) && pressesEquals(false, key->text().toStdString())) {
            Command1->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quintora
