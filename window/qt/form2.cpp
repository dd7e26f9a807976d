#include "window/qt/form2.h"

#include "window/qt/icon_data.h"
#include "window/qt/note.h"
#include "window/texts.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionFrame>

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

void Form2::createControls() {
    const std::vector<ControlRow> table = controlTable();
    QStyle* style = selectorStyle(this);

    for (const ControlRow& row : table) {
        QWidget* widget = createControl(row, style);
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
