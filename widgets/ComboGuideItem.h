#pragma once

#include <QIcon>
#include <QStandardItem>
#include <QString>

// Toggle state of a combo-guide item.
enum CBGITEM_TOGGLE_S : int {
    CBGITEM_TOGGLE_NONE = -1,
    CBGITEM_TOGGLE_OFF = 0,
    CBGITEM_TOGGLE_ON = 1,
};

// The description of one combo-guide item. The icons stay the caller's; the item keeps
// copies of them.
typedef struct SCBGItemData
{
    int type = 0;
    QIcon* mainIcon = nullptr;
    void* extra = nullptr; // the owner's, never read here
    QIcon* sideIcon = nullptr;
    QString name;
    QString caption;
    int value = 0;
} SCBGItemData;

// One row of the combo guide; everything lives in data roles so the delegate and the view
// read it through the model.
class CComboGuideItem : public QStandardItem
{
public:
    enum CBGITEM_ROLE : int {
        ROLE_SIDE_ICON = Qt::UserRole + 100, // 356
        ROLE_MAIN_ICON,                      // 357
        ROLE_NAME,                           // 358
        ROLE_CAPTION,                        // 359
        ROLE_TOGGLE,                         // 360
        ROLE_TYPE,                           // 361
        ROLE_VALUE,                          // 362
    };

    // Item types that carry a meaning.
    enum CBGITEM_TYPE : int {
        TYPE_NONE = 0,
        TYPE_ITEM = 1,
        TYPE_TITLE = 2,
        TYPE_BACK = 4,
        TYPE_SWITCH = 5,
        TYPE_DROP_BOX = 7,
        TYPE_CHOICE = 8,
        TYPE_LED = 9,
        TYPE_ACTION = 11,
    };

    CComboGuideItem();
    ~CComboGuideItem() override;

    void setItemData(SCBGItemData& data);
    void setToggleState(CBGITEM_TOGGLE_S state);
    void setCaption(QString caption);

    // The toggle state of any index or item; none while it was never set.
    static int toggleState(const QModelIndex& index);
    static int toggleState(const QStandardItem* item);
    static int itemType(const QModelIndex& index);
    static int itemType(const QStandardItem* item);
};
