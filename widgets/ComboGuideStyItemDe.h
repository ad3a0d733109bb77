#pragma once

#include "palette/PaletteDefine.h"

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

// Paints a combo-guide row: side image, name with its caption below, the main image (or the
// type's default image) and a separator line; title and action rows get their own height
// and background.
class CComboGuideStyItemDe : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Default main images by item type; the choice and the LED differ by their state.
    static const char* const kDropBoxImage;
    static const char* const kTitleImage;
    static const char* const kBackImage;
    static const char* const kSwitchImage;
    static const char* const kCheckedImage;
    static const char* const kUncheckedImage;
    static const char* const kLedOnImage;
    static const char* const kLedOffImage;

    explicit CComboGuideStyItemDe(QObject* parent = nullptr);
    ~CComboGuideStyItemDe() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    void setSpace(int horizontal, int vertical);
    void setHorizontalSpace(int space);
    void setVerticalSpace(int space);
    void setItemHeight(int height);
    void setTitleHeight(int height);
    void setActionColorStyle(unsigned int normalColor, unsigned int onColor, int normalAlpha, int onAlpha);
    void setTitleFaceStyle(int size, WG_FONT_WEIGHT weight, unsigned int textColor, unsigned int backgroundColor,
                           int alpha);
    void setNameFaceStyle(int size, WG_FONT_WEIGHT weight, unsigned int textColor, unsigned int backgroundColor);
    void setCaptionFaceStyle(int size, WG_FONT_WEIGHT weight, unsigned int textColor, unsigned int backgroundColor);

    int getItemHeight() const;
    // The image a row shows as its main image: its own, else its type's default; null for none.
    static QIcon mainIcon(const QModelIndex& index);
    static QString defaultImagePath(int type, int toggleState);
    // Qt's font weight of a style weight 0 to 9; outside that range the normal weight.
    static int fontWeight(WG_FONT_WEIGHT weight);

private:
    struct SColorPair
    {
        QColor first = Qt::white;
        QColor second = Qt::white;
    };

    static QFont faceFont(int size, WG_FONT_WEIGHT weight);
    QString captionText(const QModelIndex& index, int type) const;

    int m_horizontalSpace = 5;
    int m_verticalSpace = 5;
    int m_itemHeight = 0;
    int m_titleHeight = 0;
    QFont m_titleFont;
    QFont m_nameFont;
    QFont m_captionFont;
    SColorPair m_action;   // second: an action row's background
    SColorPair m_actionOn; // second: an action row's background while on
    SColorPair m_title;    // text, background
    SColorPair m_name;     // text, background
    SColorPair m_caption;  // text, background
};
