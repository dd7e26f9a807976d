#include "form2.h"

#include "controls.h"
#include "conversion.h"
#include "icon_data.h"
#include "number.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
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
#include <QStyleOptionComplex>

#include <algorithm>
#include <limits>

namespace quintora {

const QString Form2::caption = QStringLiteral("Quintora 2 (Darvello)");
const QColor Form2::unitBackground{192, 192, 192};
const QColor Form2::markBackground{255, 192, 192};
const QString Form2::unknownUnitTip = QStringLiteral("Unidade desconhecida");
const QString Form2::conventionTip =
    QStringLiteral("Convenção: 1 Kgf = 10 N (e não 9,80665 N) e 1 Tf = 1000 Kgf; "
                   "assim, 1 MPa = 10 Kgf/cm2");

namespace {

// Paints a control's background and sets its tooltip, touching neither when
// it already has it: every pass marks all 37 unit names and inputs.
void mark(QWidget* widget, const QColor& background, const QString& tip) {
    if (widget->palette().color(QPalette::Base) != background) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, background);
        widget->setPalette(palette);
    }
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
}

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

// "MS Sans Serif", or where it is missing the nearest narrow sans serif: the
// columns are too narrow for the wide default sans of some desktops.
// Looked up in the list of installed families: asking the font system about
// a missing family costs more than building the whole window.
QString dialogFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family :
         {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"}) {
        if (installed.contains(QLatin1String(family)))
            return QLatin1String(family);
    }
    return {};
}

QFont resized(QFont font, double points, bool bold) {
    font.setPointSizeF(points);
    font.setBold(bold);
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

QString portugueseDescription(int number, std::string_view description) {
    if (number == overflowErrorNumber)
        return QStringLiteral("Estouro");
    return QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size()));
}

} // namespace

// The controls as the conversion pass sees them.
class Form2::Fields : public FieldSet {
public:
    explicit Fields(Form2& form) : form_(form), separator_(localeSeparator()) {}

    std::string text(Control control, int index) const override {
        if (QComboBox* combo = form_.selector(control))
            return combo->currentText().toStdString();
        return form_.box(control, index)->text().toStdString();
    }
    void setText(Control control, int index, std::string_view text) override {
        form_.box(control, index)
            ->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    char decimalSeparator() const override { return separator_; }
    void unitChecked(Control control, int index, const Unit* unit) override {
        form_.markUnit(control, index, unit);
    }
    void inputRead(Control control, const Reading& reading) override {
        form_.markInput(control, reading, separator_);
    }

private:
    Form2& form_;
    char separator_;
};

Form2::Form2(QWidget* parent) : QWidget(parent), fields_(std::make_unique<Fields>(*this)) {
    setWindowTitle(caption);
    // The small dialog font: the columns are sized in pixels for it.
    QFont small(dialogFamily());
    small.setStyleHint(QFont::SansSerif);
    setFont(resized(small, 8, false));
    setWindowIcon(windowIcon16());
    resize(clientWidth / twipsPerPixel, clientHeight / twipsPerPixel);
    createControls();
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
    std::vector<ControlRow> table = controlTable();
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
            widget = boxOf(*this, row.control, row.index) = new QLineEdit(row.text, this);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            edit->setMaxLength(std::numeric_limits<int>::max()); // no length limit
        widget->setObjectName(row.objectName());
        widget->setAccessibleName(row.accessibleName);
        widget->setGeometry(row.pixels());
    }

    std::sort(table.begin(), table.end(),
              [](const ControlRow& a, const ControlRow& b) { return a.tab < b.tab; });
    QWidget* previous = nullptr;
    for (const ControlRow& row : table) {
        if (row.kind == Kind::Label)
            continue;
        QWidget* widget =
            row.kind == Kind::Button ? button(row.other) : field(row.control, row.index);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    Command1->setFocus();
}

QLabel* Form2::createLabel(const ControlRow& row) {
    auto* label = new QLabel(row.text, this);
    label->setFont(resized(font(), 13.5, true));
    label->setToolTip(conventionTip);
    (row.other == Other::Label1 ? Label1 : row.other == Other::Label2 ? Label2 : Label3) = label;
    return label;
}

QPushButton* Form2::createButton(const ControlRow& row) {
    auto* button = new QPushButton(row.text, this);
    if (row.other == Other::Command1) {
        button->setFont(resized(font(), 24, false));
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
        combo->addItem(QString::fromUtf8(unit.name.data(), unit.name.size()));
        combo->setItemData(combo->count() - 1,
                           QString::fromUtf8(unit.spoken.data(), unit.spoken.size()),
                           Qt::ToolTipRole);
    }
    combo->setEditText(row.text);
    combo->lineEdit()->setCursorPosition(0);
    selectorOf(*this, row.control) = combo;
    return combo;
}

QLineEdit* Form2::box(Control control, int index) const {
    return isSelector(control) ? nullptr : boxOf(*this, control, index);
}

QComboBox* Form2::selector(Control control) const {
    return isSelector(control) ? selectorOf(*this, control) : nullptr;
}

QPushButton* Form2::button(Other which) const {
    return which == Other::Command1 ? Command1 : which == Other::Command2 ? Command2 : nullptr;
}

QWidget* Form2::field(Control control, int index) const {
    if (QComboBox* combo = selector(control))
        return combo;
    return box(control, index);
}

void Form2::Form_Load() {
    for (const Quantity& q : quantities)
        markUnit(q.selector, 0, &q.units.front());
    for (const Quantity& q : quantities)
        for (int i = 1; i <= q.rows(); ++i)
            markUnit(q.unitNames, i, &q.units[static_cast<std::size_t>(i - 1)]);
}

void Form2::Command1_Click() {
    if (const std::optional<Stop> stop = programa01(module1_, *fields_))
        reportError(stop->error.number,
                    portugueseDescription(stop->error.number, stop->error.description));
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

void Form2::markUnit(Control control, int index, const Unit* unit) {
    mark(field(control, index), unit ? unitBackground : markBackground,
         unit ? QString::fromUtf8(unit->spoken.data(), unit->spoken.size()) : unknownUnitTip);
}

void Form2::markInput(Control control, const Reading& reading, char separator) {
    if (reading.whole)
        mark(box(control, 0), palette().color(QPalette::Base), {});
    else
        mark(box(control, 0), markBackground,
             QStringLiteral("Lido como ") +
                 QString::fromStdString(writeNumber(reading.value, separator)));
}

void Form2::reportError(int number, const QString& description) {
    QMessageBox box(
        QMessageBox::Critical, caption,
        QStringLiteral("Erro em tempo de execução '%1':\n\n%2").arg(number).arg(description),
        QMessageBox::Ok, this);
    box.exec();
}

} // namespace quintora
