// The rule builder and the setters that style one widget.
#include "QtObjPalette.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QTabWidget>
#include <QWidget>

namespace {

QLatin1String textOf(const char* text)
{
    return QLatin1String(text == nullptr ? "" : text);
}

} // namespace

QString QtObjPalette::compRuleBlock(const QString& objectName, const char* className, const char* subControl,
                                    const char* state, bool descendant, const QString& body)
{
    QString rule;
    rule.reserve(objectName.size() + body.size() + 64);
    if (descendant) {
        if (!objectName.isEmpty())
            rule.append(QLatin1Char('#')).append(objectName);
        rule.append(QLatin1Char(' ')).append(textOf(className));
    } else {
        rule.append(textOf(className));
        if (!objectName.isEmpty())
            rule.append(QLatin1Char('#')).append(objectName);
    }
    rule.append(textOf(subControl)).append(textOf(state));
    rule.append(QLatin1String(" {")).append(body).append(QLatin1Char('}'));
    return rule;
}

void QtObjPalette::setCoverSheet(QWidget* widget, const QString& declarations, STYLE_SHEET_COVER cover)
{
    if (widget == nullptr)
        return;
    // Without an object name the rule would have no selector at all, and Qt drops such a
    // sheet whole; bare declarations style the same widget.
    if (cover == STYLE_SHEET_COVER_BARE || widget->objectName().isEmpty()) {
        widget->setStyleSheet(declarations);
        return;
    }
    widget->setStyleSheet(
        compRuleBlock(widget->objectName(), "", "", "", cover != STYLE_SHEET_COVER_SELF, declarations));
}

void QtObjPalette::setWidgetBaseStyle(QWidget* widget, const WIDGET_STYLE& style, STYLE_SHEET_COVER cover)
{
    setCoverSheet(widget,
                  compColorStyle(style.color, false) + compFontStyle(style.font) + compWidgetBorderStyle(style.border),
                  cover);
}

void QtObjPalette::setWidgetColorStyle(QWidget* widget, const SWidgetColor& color, STYLE_SHEET_COVER cover)
{
    setCoverSheet(widget, compColorStyle(&color, false), cover);
}

void QtObjPalette::setWidgetFontStyle(QWidget* widget, const WIDGET_FONT& font, STYLE_SHEET_COVER cover)
{
    setCoverSheet(widget, compFontStyle(&font), cover);
}

void QtObjPalette::setWidgetBorderStyle(QWidget* widget, const WIDGET_BORDER& border, STYLE_SHEET_COVER cover)
{
    setCoverSheet(widget, compWidgetBorderStyle(&border), cover);
}

void QtObjPalette::setWidgetGradientColorStyle(QWidget* widget, const SWidgetGradientColor& gradient,
                                               STYLE_SHEET_COVER cover)
{
    setCoverSheet(widget, compGradientStyle(&gradient), cover);
}

void QtObjPalette::setWidgetTransparentStyle(QWidget* widget, STYLE_SHEET_COVER cover)
{
    setCoverSheet(widget, QStringLiteral("border: none;background-color: transparent;"), cover);
}

void QtObjPalette::setLabelStyle(QWidget* widget, const WIDGET_LABEL& label)
{
    if (widget == nullptr)
        return;
    widget->setStyleSheet(compColorStyle(label.color, false) + compFontStyle(label.font));
}

void QtObjPalette::setCheckBoxStyle(QWidget* widget, const WIDGET_CHECK_BOX& checkBox)
{
    if (widget == nullptr)
        return;
    QString sheet;
    sheet.append(QLatin1String("QCheckBox {")).append(compColorStyle(checkBox.color, false));
    sheet.append(QLatin1String("}QCheckBox::indicator:checked {"));
    sheet.append(compColorStyle(checkBox.checkedColor, false)).append(compImageUrl(checkBox.checkedImage));
    sheet.append(QLatin1String("}QCheckBox::indicator:unchecked {"));
    sheet.append(compColorStyle(checkBox.uncheckedColor, false)).append(compImageUrl(checkBox.uncheckedImage));
    sheet.append(QLatin1Char('}'));
    widget->setStyleSheet(sheet);
}

QString QtObjPalette::compTabWidgetNoFrameStyleSheet()
{
    return QStringLiteral("QTabWidget::pane {border: none;}QTabBar::tab {height: 0px; top: 0px; border: 0px}");
}

void QtObjPalette::setTabWidgetNoFrameStyle(QTabWidget* widget)
{
    if (widget != nullptr)
        widget->setStyleSheet(compTabWidgetNoFrameStyleSheet());
}

void QtObjPalette::setWidgetBackground(QWidget* widget, const QColor& color, bool skipAutoFill)
{
    if (widget == nullptr)
        return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(color));
    widget->setPalette(palette);
    if (!skipAutoFill)
        widget->setAutoFillBackground(true);
}

void QtObjPalette::setWidgetTransparent(QWidget* widget)
{
    if (widget == nullptr)
        return;
    widget->setAttribute(Qt::WA_TranslucentBackground);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->setAutoFillBackground(true);
}

void QtObjPalette::setWidgetBtnIcon(QAbstractButton* button, const QString& imagePath)
{
    if (button == nullptr)
        return;
    const QPixmap pixmap(imagePath);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
}

void QtObjPalette::setWidgetLblIcon(QLabel* label, const QString& imagePath)
{
    if (label == nullptr)
        return;
    label->setPixmap(QPixmap(imagePath));
    label->adjustSize();
}
