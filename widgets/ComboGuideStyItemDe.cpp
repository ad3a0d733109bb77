#include "ComboGuideStyItemDe.h"

#include "ComboGuideItem.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

const char* const CComboGuideStyItemDe::kDropBoxImage = ":/ComboGuide/Widget/ComboGuide/A30/DropBox.png";
const char* const CComboGuideStyItemDe::kTitleImage = ":/ComboGuide/Widget/ComboGuide/A30/Title.png";
const char* const CComboGuideStyItemDe::kBackImage = ":/ComboGuide/Widget/ComboGuide/A30/Back.png";
const char* const CComboGuideStyItemDe::kSwitchImage = ":/ComboGuide/Widget/ComboGuide/A30/Switch.png";
const char* const CComboGuideStyItemDe::kCheckedImage = ":/ComboGuide/Widget/ComboGuide/A30/Checked.png";
const char* const CComboGuideStyItemDe::kUncheckedImage = ":/ComboGuide/Widget/ComboGuide/A30/Unchecked.png";
const char* const CComboGuideStyItemDe::kLedOnImage = ":/Led/Symbol/Led/A30/Blue.png";
const char* const CComboGuideStyItemDe::kLedOffImage = ":/Led/Symbol/Led/A30/Gray.png";

namespace {

constexpr int kImageSize = 30;
constexpr int kSeparatorInset = 5;

// Qt font weights of the style weights 0 to 9.
constexpr int kFontWeights[10] = {25, 25, 25, 25, 50, 50, 63, 75, 75, 87};

QColor rgbColor(unsigned int rgb, int alpha = 255)
{
    QColor color(QRgb(rgb & 0xFFFFFFu));
    color.setAlpha(qBound(0, alpha, 255));
    return color;
}

// Image types: which types show their main image at the right edge.
bool mainImageRight(int type)
{
    return type == CComboGuideItem::TYPE_ITEM || type == CComboGuideItem::TYPE_SWITCH ||
           type == CComboGuideItem::TYPE_DROP_BOX || type == CComboGuideItem::TYPE_LED;
}

QPixmap iconPixmap(const QVariant& value)
{
    const QIcon icon = value.value<QIcon>();
    return icon.isNull() ? QPixmap() : icon.pixmap(QSize(kImageSize, kImageSize));
}

} // namespace

CComboGuideStyItemDe::CComboGuideStyItemDe(QObject* parent)
    : QStyledItemDelegate(parent),
      m_titleFont(QApplication::font()),
      m_nameFont(QApplication::font()),
      m_captionFont(QApplication::font())
{}

CComboGuideStyItemDe::~CComboGuideStyItemDe() = default;

void CComboGuideStyItemDe::setSpace(int horizontal, int vertical)
{
    m_horizontalSpace = horizontal;
    m_verticalSpace = vertical;
}

void CComboGuideStyItemDe::setHorizontalSpace(int space)
{
    m_horizontalSpace = space;
}

void CComboGuideStyItemDe::setVerticalSpace(int space)
{
    m_verticalSpace = space;
}

void CComboGuideStyItemDe::setItemHeight(int height)
{
    m_itemHeight = height;
}

void CComboGuideStyItemDe::setTitleHeight(int height)
{
    m_titleHeight = height;
}

void CComboGuideStyItemDe::setActionColorStyle(unsigned int normalColor, unsigned int onColor, int normalAlpha,
                                               int onAlpha)
{
    m_action.first = Qt::black;
    m_action.second = rgbColor(normalColor, normalAlpha);
    m_actionOn.first = Qt::black;
    m_actionOn.second = rgbColor(onColor, onAlpha);
}

void CComboGuideStyItemDe::setTitleFaceStyle(int size, WG_FONT_WEIGHT weight, unsigned int textColor,
                                             unsigned int backgroundColor, int alpha)
{
    m_titleFont = faceFont(size, weight);
    m_title.first = rgbColor(textColor);
    m_title.second = rgbColor(backgroundColor, alpha);
}

void CComboGuideStyItemDe::setNameFaceStyle(int size, WG_FONT_WEIGHT weight, unsigned int textColor,
                                            unsigned int backgroundColor)
{
    m_nameFont = faceFont(size, weight);
    m_name.first = rgbColor(textColor);
    m_name.second = rgbColor(backgroundColor);
}

void CComboGuideStyItemDe::setCaptionFaceStyle(int size, WG_FONT_WEIGHT weight, unsigned int textColor,
                                               unsigned int backgroundColor)
{
    m_captionFont = faceFont(size, weight);
    m_caption.first = rgbColor(textColor);
    m_caption.second = rgbColor(backgroundColor);
}

int CComboGuideStyItemDe::fontWeight(WG_FONT_WEIGHT weight)
{
    const int w = static_cast<int>(weight);
    return w >= 0 && w < 10 ? kFontWeights[w] : QFont::Normal;
}

QFont CComboGuideStyItemDe::faceFont(int size, WG_FONT_WEIGHT weight)
{
    QFont font("Tahoma");
    if (size > 0)
        font.setPointSize(size);
    font.setWeight(fontWeight(weight));
    return font;
}

int CComboGuideStyItemDe::getItemHeight() const
{
    if (m_itemHeight > 0)
        return m_itemHeight;
    const int captionHeight = QFontMetrics(m_captionFont).height();
    int height = QFontMetrics(m_nameFont).height() + captionHeight + 3 * m_verticalSpace;
    if (captionHeight > 0)
        height += m_verticalSpace;
    return height;
}

QSize CComboGuideStyItemDe::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int type = CComboGuideItem::itemType(index);
    const bool ownHeight = type == CComboGuideItem::TYPE_TITLE || type == CComboGuideItem::TYPE_ACTION;
    return QSize(1, ownHeight && m_titleHeight > 0 ? m_titleHeight : getItemHeight());
}

bool CComboGuideStyItemDe::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                       const QModelIndex& index)
{
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

QString CComboGuideStyItemDe::defaultImagePath(int type, int toggleState)
{
    const bool on = toggleState == CBGITEM_TOGGLE_ON;
    switch (type) {
    case CComboGuideItem::TYPE_ITEM:
    case CComboGuideItem::TYPE_DROP_BOX:
        return kDropBoxImage;
    case CComboGuideItem::TYPE_TITLE:
        return kTitleImage;
    case CComboGuideItem::TYPE_BACK:
        return kBackImage;
    case CComboGuideItem::TYPE_SWITCH:
        return kSwitchImage;
    case CComboGuideItem::TYPE_CHOICE:
        return on ? kCheckedImage : kUncheckedImage;
    case CComboGuideItem::TYPE_LED:
        return on ? kLedOnImage : kLedOffImage;
    default:
        return QString();
    }
}

QIcon CComboGuideStyItemDe::mainIcon(const QModelIndex& index)
{
    const QIcon own = index.data(CComboGuideItem::ROLE_MAIN_ICON).value<QIcon>();
    if (!own.isNull())
        return own;
    const QString path = defaultImagePath(CComboGuideItem::itemType(index), CComboGuideItem::toggleState(index));
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QString CComboGuideStyItemDe::captionText(const QModelIndex& index, int type) const
{
    if (type == CComboGuideItem::TYPE_LED)
        return CComboGuideItem::toggleState(index) == CBGITEM_TOGGLE_ON ? tr("On") : tr("Off");
    return index.data(CComboGuideItem::ROLE_CAPTION).toString();
}

void CComboGuideStyItemDe::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();

    const int type = CComboGuideItem::itemType(index);
    const bool on = CComboGuideItem::toggleState(index) == CBGITEM_TOGGLE_ON;
    const QPixmap mainImage = iconPixmap(QVariant::fromValue(mainIcon(index)));
    const QPixmap sideImage = iconPixmap(index.data(CComboGuideItem::ROLE_SIDE_ICON));
    const QString name = index.data(CComboGuideItem::ROLE_NAME).toString();
    const QString caption = captionText(index, type);
    const QRect row = option.rect;
    const QColor white(Qt::white);

    if (type == CComboGuideItem::TYPE_ACTION && m_action.second != white)
        painter->fillRect(row, on ? m_actionOn.second : m_action.second);
    if (type == CComboGuideItem::TYPE_TITLE && m_title.second != white)
        painter->fillRect(row, m_title.second);

    QPen separator(Qt::gray, 1, Qt::SolidLine, Qt::RoundCap);
    painter->setPen(separator);
    painter->drawLine(row.left() + kSeparatorInset, row.bottom(), row.right() - kSeparatorInset, row.bottom());

    // Images and texts run from the left; a right-aligned main image keeps its room free.
    int x = row.left() + m_horizontalSpace;
    auto drawLeft = [&](const QPixmap& image) {
        if (image.isNull())
            return;
        painter->drawPixmap(x, row.top() + (row.height() - image.height()) / 2, image);
        x += image.width() + m_horizontalSpace;
    };
    drawLeft(sideImage);
    const bool rightImage = mainImageRight(type);
    if (type != CComboGuideItem::TYPE_NONE && !rightImage)
        drawLeft(mainImage);
    int textRight = row.right() - m_horizontalSpace;
    if (rightImage && !mainImage.isNull())
        textRight -= mainImage.width() + m_horizontalSpace;

    if (type == CComboGuideItem::TYPE_TITLE) {
        painter->setFont(m_titleFont);
        painter->setPen(m_title.first);
        painter->drawText(row, Qt::AlignCenter, name);
    } else {
        const int nameHeight = QFontMetrics(m_nameFont).height();
        const int captionHeight = caption.isEmpty() ? 0 : QFontMetrics(m_captionFont).height();
        const int textHeight = nameHeight + (captionHeight > 0 ? m_verticalSpace + captionHeight : 0);
        const int top = row.top() + (row.height() - textHeight) / 2;
        const int width = qMax(0, textRight - x);
        painter->setFont(m_nameFont);
        painter->setPen(m_name.first);
        painter->drawText(QRect(x, top, width, nameHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
        if (captionHeight > 0) {
            painter->setFont(m_captionFont);
            painter->setPen(m_caption.first);
            painter->drawText(QRect(x, top + nameHeight + m_verticalSpace, width, captionHeight),
                              Qt::AlignLeft | Qt::AlignVCenter, caption);
        }
    }

    if (rightImage && !mainImage.isNull())
        painter->drawPixmap(row.right() - m_horizontalSpace - mainImage.width() + 1,
                            row.top() + (row.height() - mainImage.height()) / 2, mainImage);

    painter->restore();
}
