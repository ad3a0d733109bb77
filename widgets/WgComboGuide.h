#pragma once

#include <QTreeView>

// The combo guide's tree: a click opens or closes a drop box (one open at a time), picks a
// choice and closes its drop box, or flips an LED. Clicks closer than 200 ms after the last
// handled one are ignored, so a press announced as both clicked and activated counts once;
// a double click counts as its first click.
class WgComboGuide : public QTreeView
{
    Q_OBJECT

public:
    static constexpr long long kClickIntervalMs = 200;

    explicit WgComboGuide(QWidget* parent = nullptr);
    ~WgComboGuide() override;

    void setModelAndFocusItem(QAbstractItemModel* model, const QModelIndex& index);
    void focusItem(int row, int column);
    void focusItem(QModelIndex index);
    // Rows firstRow to rowEnd - 1 under parent span all columns.
    void setColumnSpanned(const QModelIndex& parent, int firstRow, int rowEnd);
    void itemViewBranchCollapse(QTreeView* view, QModelIndex index);
    void setStyleSheetDefault();

public slots:
    void onItemViewActivated(QModelIndex index);
    void onItemViewClicked(QModelIndex index);
    void onBranchExpanded(QModelIndex index);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void itemViewClicked(const QModelIndex& index);

    long long m_lastClickMs = 0;
    bool m_clicked = false;       // false until the first click is handled
    bool m_inDoubleClick = false; // within the tree's handling of a double click
};
