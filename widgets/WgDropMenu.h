#pragma once

#include <QPushButton>
#include <QVector>

class WgDropMenuPopup;
class QButtonGroup;

// A push button that opens a column of checkable item buttons directly above itself;
// choosing an item puts its text on the button and announces the item's index.
class WgDropMenu : public QPushButton
{
    Q_OBJECT

public:
    WgDropMenu(int count, int width, int height, QWidget* parent = nullptr);
    ~WgDropMenu() override;

    void menuDrop();
    bool isMenuDrop() const;
    void menuCollect();
    void refresh();
    void setMenuItem(int index);
    void visibleAllMenuItem();
    void hideAllMenuItem();
    void setStyleSheetDefault();

    int menuItemCount() const { return m_count; }
    // Item index, or null outside 0 to count - 1.
    QPushButton* menuItem(int index) const;
    QWidget* menuPopup() const;

signals:
    void signalMenuItemClick(int iIndex);
    void signalMenuUpdate();

public slots:
    void onClick();
    void onMenuFocusOut();
    void onMenuItemClick(int index);

protected:
    bool event(QEvent* event) override;

private:
    void initial(int count, int width, int height);

    WgDropMenuPopup* m_popup = nullptr; // top-level, so deleted here
    QVector<QPushButton*> m_items;     // children of the popup, each on its own
    int m_count = 0;
};
