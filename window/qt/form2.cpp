#include "window/qt/form2.h"

#include "window/qt/icon_data.h"
#include "window/texts.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
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
    explicit SelectorAccessible(QComboBox* combo)
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

constexpr const char* selectorProperty = "quintoraSelector";

QAccessibleInterface* selectorAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object->property(selectorProperty).toBool())
        return new SelectorAccessible(static_cast<QComboBox*>(object));
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

// The separator of the user's locale, when it is one plain character.
char localeSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() > ' ' && point[0].unicode() < 127 &&
        !point[0].isDigit())
        return static_cast<char>(point[0].unicode());
    return '.';
}

bool isSelector(Control control) {
    return control == Control::Combo1 || control == Control::Combo2 || control == Control::Combo3;
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
        const QPalette standard = QApplication::palette(widget);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, look.background == Tint::Unit ? qcolor(unitBackground)
                                         : look.background == Tint::Mark
                                             ? qcolor(markBackground)
                                             : standard.color(QPalette::Base));
        palette.setColor(QPalette::Text,
                         look.outOfDate ? qcolor(outOfDateText) : standard.color(QPalette::Text));
        widget->setPalette(palette);
        widget->setToolTip(qstring(look.toolTip));
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
    // The platform's Quit (Ctrl+Q on Linux desktops) ends the program like "Sai".
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &Form2::Command2_Click);
    Form_Load();
}

Form2::~Form2() = default;

template <class Self> auto& Form2::boxOf(Self& self, Control control, int index) {
    const auto i = static_cast<std::size_t>(index);
    switch (control) {
    case Control::Text1:
        return self.Text1.at(i);
    case Control::Text2:
        return self.Text2.at(i);
    case Control::Text3:
        return self.Text3.at(i);
    case Control::Text4:
        return self.Text4.at(i);
    case Control::Text5:
        return self.Text5.at(i);
    default:
        return self.Text6.at(i);
    }
}

template <class Self> auto& Form2::selectorOf(Self& self, Control control) {
    return control == Control::Combo1   ? self.Combo1
           : control == Control::Combo2 ? self.Combo2
                                        : self.Combo3;
}

void Form2::createControls() {
    const std::vector<ControlRow> table = controlTable();
    QAccessible::removeFactory(selectorAccessible); // installed once, whatever the windows
    QAccessible::installFactory(selectorAccessible);
    auto* selectorStyle = new SlimArrowStyle(QApplication::style()->name());
    selectorStyle->setParent(this);

    for (const ControlRow& row : table) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case Kind::Label:
            widget = createLabel(row);
            break;
        case Kind::Button:
            widget = createButton(row);
            break;
        case Kind::ComboBox:
            widget = createSelector(row, selectorStyle);
            break;
        case Kind::TextBox:
            widget = createBox(row);
            break;
        }
        if (row.font != FontRole::Normal)
            widget->setFont(resized(font(), fontOf(row.font)));
        widget->setObjectName(QString::fromStdString(row.objectName()));
        widget->setAccessibleName(qstring(row.accessibleName));
        widget->setToolTip(qstring(row.toolTip));
        const PixelRect r = row.pixels();
        widget->setGeometry(r.x, r.y, r.width, r.height);
    }

    QWidget* previous = nullptr;
    for (const ControlRow* row : tabOrder(table)) {
        QWidget* widget =
            row->kind == Kind::Button ? button(row->fixed) : field(row->control, row->index);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    Command1->setFocus();
}

QLabel* Form2::createLabel(const ControlRow& row) {
    auto* label = new QLabel(qstring(row.text), this);
    switch (row.fixed) {
    case Fixed::Label1:
        return Label1 = label;
    case Fixed::Label2:
        return Label2 = label;
    case Fixed::Label3:
        return Label3 = label;
    default:
        return Label4 = label;
    }
}

QPushButton* Form2::createButton(const ControlRow& row) {
    auto* button = new QPushButton(qstring(row.text), this);
    if (row.fixed == Fixed::Command1) {
        button->setDefault(true);
        connect(button, &QPushButton::clicked, this, &Form2::Command1_Click);
        Command1 = button;
    } else {
        button->setAutoDefault(true); // Enter presses it while it has the focus
        connect(button, &QPushButton::clicked, this, &Form2::Command2_Click);
        Command2 = button;
    }
    return button;
}

QLineEdit* Form2::createBox(const ControlRow& row) {
    auto* edit = boxOf(*this, row.control, row.index) = new QLineEdit(qstring(row.text), this);
    edit->setMaxLength(std::numeric_limits<int>::max()); // no length limit
    edit->setCursorPosition(0);
    edit->installEventFilter(this);
    const Field f{row.control, row.index};
    connect(edit, &QLineEdit::textEdited, this, [this, f] { logic_->edited(f); });
    return edit;
}

QComboBox* Form2::createSelector(const ControlRow& row, QStyle* style) {
    auto* combo = new QComboBox(this);
    combo->setProperty(selectorProperty, true);
    combo->setStyle(style);
    combo->setEditable(true);
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // What the user types stays as typed: no completion, no case correction,
    // nothing added to the list.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    for (const Unit& unit : quantityOf(row.control).units) {
        combo->addItem(qstring(unit.name));
        combo->setItemData(combo->count() - 1, qstring(unit.spoken), Qt::ToolTipRole);
    }
    showWholeList(combo);
    combo->setEditText(qstring(row.text));
    combo->lineEdit()->setCursorPosition(0);
    combo->lineEdit()->installEventFilter(this);
    // Typed, picked from the list or turned with the wheel.
    const Field f{row.control, 0};
    connect(combo, &QComboBox::editTextChanged, this, [this, f] { logic_->edited(f); });
    selectorOf(*this, row.control) = combo;
    return combo;
}

QLineEdit* Form2::box(Control control, int index) const {
    return isSelector(control) ? nullptr : boxOf(*this, control, index);
}

QComboBox* Form2::selector(Control control) const {
    return isSelector(control) ? selectorOf(*this, control) : nullptr;
}

QPushButton* Form2::button(Fixed which) const {
    return which == Fixed::Command1 ? Command1 : which == Fixed::Command2 ? Command2 : nullptr;
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

void Form2::keyPressEvent(QKeyEvent* event) {
    // "=" is the window's default button: Enter in any box presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    // The "=" key in a box presses "=", as on a calculator: no number or
    // unit name holds one.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QLatin1String("=")) {
        Command1->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quintora
