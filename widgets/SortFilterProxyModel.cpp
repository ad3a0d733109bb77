#include "SortFilterProxyModel.h"

namespace {

bool isAbsent(const QVariant& value)
{
    const QString text = value.toString();
    return text == QLatin1String("--") || text == QLatin1String("N/A");
}

// QVariant's own ordering; deprecated for Qt 6, the one generic comparison Qt 5 offers.
bool genericLess(const QVariant& left, const QVariant& right)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return left < right;
    QT_WARNING_POP
}

} // namespace

CSortFilterProxyModel::CSortFilterProxyModel(QObject* parent) : QSortFilterProxyModel(parent)
{}

CSortFilterProxyModel::~CSortFilterProxyModel() = default;

void CSortFilterProxyModel::setColumnSortType(SORT_T* types)
{
    m_sortTypes = types;
}

bool CSortFilterProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant leftValue = sourceModel()->data(left, Qt::DisplayRole);
    const QVariant rightValue = sourceModel()->data(right, Qt::DisplayRole);
    if (m_sortTypes == nullptr)
        return genericLess(leftValue, rightValue);
    return compResult(leftValue, rightValue, m_sortTypes[left.column()]);
}

bool CSortFilterProxyModel::compResult(const QVariant& left, const QVariant& right, SORT_T type)
{
    if (isAbsent(left))
        return false;
    if (isAbsent(right))
        return true;
    // A text that is no number converts to 0.
    if (type == SORT_INT) {
        if (!left.canConvert<int>())
            return false;
        if (!right.canConvert<int>())
            return true;
        return left.toInt() < right.toInt();
    }
    if (type == SORT_DOUBLE) {
        if (!left.canConvert<double>())
            return false;
        if (!right.canConvert<double>())
            return true;
        return left.toDouble() < right.toDouble();
    }
    return genericLess(left, right);
}
