// The white theme of a whole window, the main page stack and the main menu buttons.
#include "ObjPalette.h"

#include "palette/QtObjPalette.h"

#include "widgets/StyledItemDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QWidget>

namespace {

// Whether the combo box would delete the delegate as its own: its default delegate is one
// of its descendants.
bool ownedBy(const QObject* delegate, const QObject* combo)
{
    for (const QObject* owner = delegate->parent(); owner != nullptr; owner = owner->parent())
        if (owner == combo)
            return true;
    return false;
}

} // namespace

void ObjPalette::setComboBoxItemDelegate(QWidget* root, CStyledItemDelegate& delegate)
{
    if (root == nullptr)
        return;
    const QList<QComboBox*> combos = root->findChildren<QComboBox*>();
    for (QComboBox* combo : combos) {
        QAbstractItemDelegate* previous = combo->itemDelegate();
        if (previous == &delegate)
            continue;
        // QComboBox::setItemDelegate deletes the previous delegate; one that another owner
        // shares (another view's member) must survive the swap.
        if (previous == nullptr || ownedBy(previous, combo))
            combo->setItemDelegate(&delegate);
        else
            combo->view()->setItemDelegate(&delegate);
    }
}

QString ObjPalette::compWhiteThemeWgsStyle()
{
    static const char* const kEditClasses[] = {"QLineEdit", "QTextEdit", "QDateEdit", "QTimeEdit"};
    const QString none;
    QString sheet = compLabelColorToneStyle(none, WG_COLOR_TONE_DEFAULT, false) +
                    compPushButtonColorToneStyle(none, WG_COLOR_TONE_NAVY, false, 5) +
                    compSpinBoxColorToneStyle(none, WG_COLOR_TONE_DEFAULT, false, false) +
                    compComboBoxColorToneStyle(none, WG_COLOR_TONE_DEFAULT, false, 1) +
                    compCheckBoxColorToneStyle(none, WG_COLOR_TONE_DEFAULT, false) +
                    compLineColorToneStyle(none, WG_COLOR_TONE_NAVY, false, WG_LINE_VERTICAL);
    for (const char* className : kEditClasses)
        sheet += compEditColorToneStyle(none, WG_COLOR_TONE_DEFAULT, false, className);
    return sheet + compRadioBtnColorToneStyle(none, WG_COLOR_TONE_DEFAULT, false);
}

void ObjPalette::setWhiteThemeWgsStyle(QWidget* root, CStyledItemDelegate& delegate)
{
    if (root == nullptr)
        return;
    setComboBoxItemDelegate(root, delegate);
    SWidgetColor color;
    color.background = colorOf(kWhite);
    const SWidgetBorderLine line{2, WG_BORDER_EDGE_SOLID, 0x808080};
    const WIDGET_BORDER border{&line, nullptr};
    const QString own = compOwnRule(root, "", QtObjPalette::compColorStyle(&color, false) +
                                                  QtObjPalette::compWidgetBorderStyle(&border));
    root->setStyleSheet(own + compWhiteThemeWgsStyle());
}

void ObjPalette::setMainWidgetWhiteStyle(QWidget* widget)
{
    setSheet(widget, compTabWidgetColorToneStyle(QString(), WG_COLOR_TONE_DEFAULT, false, WIDGET_SIZE{150, 30}));
}

void ObjPalette::setMainMenuStyle(QWidget* widget, const QString& imagePath)
{
    setSheet(widget, compMenuStyle(QString(), imagePath));
}

QString ObjPalette::compMenuStyle(const QString& selector, const QString& imagePath)
{
    const char* const button = "QToolButton";
    SWidgetColor color;
    color.text = colorOf(kDarkGray);
    // The stops keep this order: the darker middle is drawn as a band, not a fade.
    const uint32_t band = colorOf(kSlateGrey);
    const SWidgetGradientColor gradient{0, 0, 0, 1, 3, {0.5f, 1.0f, 0.5f}, {band, colorOf(kBlack), band}};
    const WIDGET_FONT font = fixedFont(15, WG_FONT_WEIGHT_BLACK);
    const SWidgetBorderLine line{1, WG_BORDER_EDGE_SOLID, colorOf(kWhite)};
    const SWidgetBorderSides sides{1, 5, 1, kWgLengthUnset, WG_BORDER_EDGE_SOLID, colorOf(kGrey)};
    const SWidgetColor checked{colorOf(kDarkSlateBlue), colorOf(kWhite)};
    const SWidgetBorderSides checkedTop{kWgLengthUnset, 5,         kWgLengthUnset,
                                        kWgLengthUnset, WG_BORDER_EDGE_SOLID, colorOf(kDarkSlateBlue)};
    QString sheet =
        QtObjPalette::compRuleBlock(selector, button, "", "", true,
                                    QtObjPalette::compColorStyle(&color, false) +
                                        QtObjPalette::compGradientStyle(&gradient) + QtObjPalette::compFontStyle(&font) +
                                        QtObjPalette::compBorderStyle(&line) + QtObjPalette::compBorderSideStyle(&sides)) +
        QtObjPalette::compRuleBlock(selector, button, "", ":checked", true,
                                    QtObjPalette::compColorStyle(&checked, false) +
                                        QtObjPalette::compBorderSideStyle(&checkedTop));
    if (!imagePath.isEmpty())
        sheet += QtObjPalette::compRuleBlock(
            selector, button, "", "", true,
            QtObjPalette::compBackgroundImageStyle(imagePath, WG_ALIGN_CENTER, WG_ALIGN_CENTER));
    return sheet;
}
