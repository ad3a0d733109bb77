#include "FormChecker.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>

namespace FormTable {

namespace {

QString str(const char* text)
{
    return QString::fromUtf8(text);
}

QLayout* layoutOf(const QObject* object)
{
    if (auto* layout = qobject_cast<QLayout*>(const_cast<QObject*>(object)))
        return layout;
    if (object->isWidgetType())
        return static_cast<const QWidget*>(object)->layout();
    return nullptr;
}

QWidget* ownerWidget(const QLayout* layout)
{
    QObject* up = layout->parent();
    while (up && !up->isWidgetType())
        up = up->parent();
    return static_cast<QWidget*>(up);
}

// The layout that holds the widget directly, and the item's index in it.
QLayout* holdingLayout(QWidget* widget, int* index)
{
    QWidget* parent = widget->parentWidget();
    if (!parent)
        return nullptr;
    for (QLayout* layout : parent->findChildren<QLayout*>()) {
        if (layout->inherits("QMainWindowLayout"))
            continue;
        const int at = layout->indexOf(widget);
        if (at >= 0) {
            *index = at;
            return layout;
        }
    }
    return nullptr;
}

// The layout that holds a nested layout, and the item's index in it.
QLayout* holdingLayout(QLayout* layout, int* index)
{
    auto* outer = qobject_cast<QLayout*>(layout->parent());
    if (outer)
        *index = outer->indexOf(layout);
    return outer;
}

int alignmentOf(const QObject* object)
{
    if (auto* label = qobject_cast<const QLabel*>(object))
        return int(label->alignment());
    if (auto* edit = qobject_cast<const QLineEdit*>(object))
        return int(edit->alignment());
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(object))
        return int(spin->alignment());
    if (auto* bar = qobject_cast<const QProgressBar*>(object))
        return int(bar->alignment());
    return -1;
}

QVariant sizeIfFixed(const QWidget* widget)
{
    if (widget->minimumSize() != widget->maximumSize())
        return QSize();
    return widget->minimumSize();
}

QVariantList emptyLines(const QGridLayout* grid, bool rows, const QVariantList& asked)
{
    QVariantList empty;
    for (const QVariant& line : asked) {
        bool used = false;
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            const int first = rows ? row : column;
            const int span = rows ? rowSpan : columnSpan;
            used = used || (line.toInt() >= first && line.toInt() < first + span);
        }
        if (!used)
            empty << line;
    }
    return empty;
}

// The value of a property as the table names it.
QVariant valueOf(QObject* object, const Prop& prop)
{
    const QString name = str(prop.name);
    auto* widget = object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
    QLayout* layout = layoutOf(object);
    if (name == "fixedSize" && widget)
        return sizeIfFixed(widget);
    if (name == "fixedWidth" && widget)
        return widget->minimumWidth() == widget->maximumWidth() ? widget->minimumWidth() : -1;
    if (name == "fixedHeight" && widget)
        return widget->minimumHeight() == widget->maximumHeight() ? widget->minimumHeight() : -1;
    if (name == "hAlign")
        return alignmentOf(object) & int(Qt::AlignHorizontal_Mask);
    if (name == "vAlign")
        return alignmentOf(object) & int(Qt::AlignVertical_Mask);
    if (name == "cursorShape" && widget)
        return widget->testAttribute(Qt::WA_SetCursor) ? int(widget->cursor().shape()) : -1;
    if (name == "fontFamily" && widget)
        return widget->font().family();
    if (name == "fontBold" && widget)
        return widget->font().bold();
    if (name == "fontWeight" && widget)
        return widget->font().weight();
    if (auto* table = qobject_cast<QTableView*>(object)) {
        if (name == "hHeaderHidden")
            return table->horizontalHeader()->isHidden();
        if (name == "vHeaderHidden")
            return table->verticalHeader()->isHidden();
        if (name == "hHeaderCascading")
            return table->horizontalHeader()->cascadingSectionResizes();
        if (name == "vHeaderCascading")
            return table->verticalHeader()->cascadingSectionResizes();
    }
    if (name == "hasModel") {
        auto* view = qobject_cast<QAbstractItemView*>(object);
        return view && view->selectionModel() != nullptr;
    }
    if (name == "items") {
        QStringList texts;
        if (auto* combo = qobject_cast<QComboBox*>(object))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        return texts;
    }
    if (name == "layoutClass" && widget)
        return widget->layout() ? QString(widget->layout()->metaObject()->className()) : QString();
    if (name == "columnCount") {
        auto* grid = qobject_cast<QGridLayout*>(layout);
        return grid ? grid->columnCount() : -1;
    }
    if (name == "itemCount")
        return layout ? layout->count() : -1;
    if (name == "spacers")
        return spacerPositions(object);
    if (name == "spacerRows") {
        QVariantList rows;
        for (const QString& position : spacerPositions(object))
            rows << position.section(',', 0, 0).toInt();
        return rows;
    }
    if (name == "spacerCount")
        return spacerPositions(object).size();
    if (name == "leftMargin" || name == "rightMargin") {
        if (!layout)
            return -1;
        return name == "leftMargin" ? layout->contentsMargins().left() : layout->contentsMargins().right();
    }
    if (name == "emptyRows" || name == "emptyColumns") {
        auto* grid = qobject_cast<QGridLayout*>(layout);
        if (!grid)
            return QVariantList();
        return emptyLines(grid, name == "emptyRows", prop.value.toList());
    }
    return object->property(prop.name);
}

bool same(const QVariant& actual, const QVariant& expected)
{
    switch (expected.userType()) {
    case QMetaType::QSize:
        return actual.toSize() == expected.toSize();
    case QMetaType::Bool:
        return actual.canConvert<bool>() && actual.toBool() == expected.toBool();
    case QMetaType::Int:
        return actual.canConvert<int>() && actual.toInt() == expected.toInt();
    case QMetaType::QString:
        return actual.toString() == expected.toString();
    case QMetaType::QStringList:
        return actual.toStringList() == expected.toStringList();
    case QMetaType::QVariantList:
        return actual.toList() == expected.toList();
    default:
        return actual == expected;
    }
}

QString shown(const QVariant& value)
{
    if (value.userType() == QMetaType::QSize)
        return QString("%1x%2").arg(value.toSize().width()).arg(value.toSize().height());
    if (value.userType() == QMetaType::QStringList)
        return "[" + value.toStringList().join("|") + "]";
    if (value.userType() == QMetaType::QVariantList) {
        QStringList parts;
        for (const QVariant& part : value.toList())
            parts << part.toString();
        return "[" + parts.join(",") + "]";
    }
    return value.toString();
}

QString textOf(QObject* object, bool* has)
{
    *has = true;
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return edit->text();
    if (auto* window = qobject_cast<QMainWindow*>(object))
        return window->windowTitle();
    *has = false;
    return QString();
}

bool isBelow(const QObject* object, const QString& ancestor)
{
    for (const QObject* up = object->parent(); up; up = up->parent())
        if (up->objectName() == ancestor)
            return true;
    return false;
}

void checkPosition(QLayout* holder, int index, const Place& at, QStringList* out)
{
    if (at.kind == Place::Item) {
        if (qobject_cast<QGridLayout*>(holder))
            *out << "is in a grid, not a box layout";
        else if (index + 1 != at.row)
            *out << QString("item %1, not %2").arg(index + 1).arg(at.row);
    } else if (at.kind == Place::Grid) {
        auto* grid = qobject_cast<QGridLayout*>(holder);
        if (!grid) {
            *out << "is not in a grid layout";
            return;
        }
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        if (row != at.row || rowSpan != at.rowSpan)
            *out << QString("row %1 span %2, not row %3 span %4").arg(row).arg(rowSpan).arg(at.row).arg(at.rowSpan);
        if (at.column >= 0 && (column != at.column || columnSpan != at.columnSpan))
            *out << QString("column %1 span %2, not column %3 span %4")
                        .arg(column)
                        .arg(columnSpan)
                        .arg(at.column)
                        .arg(at.columnSpan);
    }
}

void checkWidgetPlace(QWidget* widget, const Row& row, QStringList* out)
{
    const QString in = str(row.in);
    switch (row.at.kind) {
    case Place::Page: {
        auto* tabs = qobject_cast<QTabWidget*>(findUnique(widget->window(), row.in));
        if (!tabs || tabs->indexOf(widget) != row.at.row)
            *out << QString("not page %1 of %2").arg(row.at.row).arg(in);
        else if (row.text && tabs->tabText(row.at.row) != str(row.text))
            *out << QString("tab text \"%1\", not \"%2\"").arg(tabs->tabText(row.at.row), str(row.text));
        return;
    }
    case Place::Contents: {
        auto* area = qobject_cast<QScrollArea*>(findUnique(widget->window(), row.in));
        if (!area || area->widget() != widget)
            *out << "not the contents of " + in;
        return;
    }
    case Place::Central: {
        auto* window = qobject_cast<QMainWindow*>(widget->window());
        if (!window || window->centralWidget() != widget)
            *out << "not the central widget";
        return;
    }
    case Place::Within:
        if (row.in && !isBelow(widget, in))
            *out << "not below " + in;
        return;
    default:
        break;
    }
    if (row.in && (!widget->parentWidget() || widget->parentWidget()->objectName() != in))
        *out << QString("parent %1, not %2").arg(widget->parentWidget() ? widget->parentWidget()->objectName() : "none", in);
    int index = -1;
    QLayout* holder = holdingLayout(widget, &index);
    if (!holder) {
        *out << "in no layout";
        return;
    }
    if (row.layout && holder->objectName() != str(row.layout))
        *out << QString("in layout %1, not %2").arg(holder->objectName(), str(row.layout));
    checkPosition(holder, index, row.at, out);
}

void checkLayoutPlace(QLayout* layout, const Row& row, QStringList* out)
{
    QWidget* owner = ownerWidget(layout);
    if (row.in && row.at.kind == Place::Within) {
        if (!isBelow(layout, str(row.in)))
            *out << "not below " + str(row.in);
        return;
    }
    if (row.in && (!owner || owner->objectName() != str(row.in)))
        *out << QString("belongs to %1, not %2").arg(owner ? owner->objectName() : "none", str(row.in));
    if (row.at.kind == Place::Own) {
        if (!owner || owner->layout() != layout)
            *out << "is not its widget's own layout";
        return;
    }
    int index = -1;
    QLayout* holder = holdingLayout(layout, &index);
    if (!holder) {
        *out << "not nested in a layout";
        return;
    }
    if (row.layout && holder->objectName() != str(row.layout))
        *out << QString("in layout %1, not %2").arg(holder->objectName(), str(row.layout));
    checkPosition(holder, index, row.at, out);
}

} // namespace

QObject* findUnique(QWidget* window, const char* name)
{
    QList<QObject*> found = window->findChildren<QObject*>(str(name));
    if (window->objectName() == str(name))
        found << window;
    return found.size() == 1 ? found.first() : nullptr;
}

QStringList differences(QWidget* window, const Row& row)
{
    QStringList out;
    QObject* object = findUnique(window, row.name);
    if (!object) {
        out << "not exactly one object of this name";
        return out;
    }
    const QString className = str(row.className);
    if (className == "QLayout" ? !object->inherits("QLayout") : className != object->metaObject()->className())
        out << QString("class %1, not %2").arg(object->metaObject()->className(), className);
    if (object->isWidgetType())
        checkWidgetPlace(static_cast<QWidget*>(object), row, &out);
    else if (auto* layout = qobject_cast<QLayout*>(object))
        checkLayoutPlace(layout, row, &out);
    if (row.text && row.at.kind != Place::Page) {
        bool hasText = false;
        const QString text = textOf(object, &hasText);
        if (!hasText)
            out << "has no text";
        else if (text != str(row.text))
            out << QString("text \"%1\", not \"%2\"").arg(text, str(row.text));
    }
    for (const Prop& prop : row.props) {
        const QVariant value = valueOf(object, prop);
        if (!same(value, prop.value))
            out << QString("%1 is %2, not %3").arg(prop.name, shown(value), shown(prop.value));
    }
    return out;
}

QStringList spacerPositions(const QObject* layoutOrWidget)
{
    QStringList positions;
    QLayout* layout = layoutOf(layoutOrWidget);
    if (!layout)
        return positions;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        if (!layout->itemAt(i)->spacerItem())
            continue;
        if (grid) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            positions << QString("%1,%2").arg(row).arg(column);
        } else {
            positions << QString("item %1").arg(i + 1);
        }
    }
    return positions;
}

int spacersBelow(const QWidget* widget)
{
    int count = 0;
    QList<QLayout*> layouts = widget->findChildren<QLayout*>();
    for (const QLayout* layout : layouts)
        if (!layout->inherits("QMainWindowLayout"))
            for (int i = 0; i < layout->count(); ++i)
            count += layout->itemAt(i)->spacerItem() ? 1 : 0;
    return count;
}

} // namespace FormTable
