#pragma once

#include <QSortFilterProxyModel>
#include <QVariant>

// Sorts each column by its own type and puts the absent-value texts "--" and "N/A" after
// every real value in ascending order.
class CSortFilterProxyModel : public QSortFilterProxyModel
{
public:
    // Per column: 0 integer, 1 floating point, any other value the generic comparison.
    typedef int SORT_T;
    static constexpr SORT_T SORT_INT = 0;
    static constexpr SORT_T SORT_DOUBLE = 1;
    static constexpr SORT_T SORT_VARIANT = 2;

    explicit CSortFilterProxyModel(QObject* parent = nullptr);
    ~CSortFilterProxyModel() override;

    // One type per column; the array is the caller's and must outlive the proxy.
    void setColumnSortType(SORT_T* types);
    // True when left sorts before right.
    static bool compResult(const QVariant& left, const QVariant& right, SORT_T type);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    SORT_T* m_sortTypes = nullptr;
};
