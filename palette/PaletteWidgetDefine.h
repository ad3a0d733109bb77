#pragma once

#include "PaletteDefine.h"

#include <QString>

// Style records of one kind of widget each: plain structures of pointers to the building
// blocks, plus a few values and image paths (Qt resource paths). A null pointer writes no
// declarations; the caller owns what the pointers point to.

// ---- The application's own widgets ----

typedef struct SWidgetSelectorSwitch
{
    const SWidgetColor* frameColor = nullptr;
    const SWidgetColor* frameDisabledColor = nullptr;
    const WIDGET_BORDER* frameBorder = nullptr; // its corners round the button too
    const WIDGET_FONT* font = nullptr;          // caption label and button
    const SWidgetColor* buttonColor = nullptr;
} WIDGET_SELECTOR_SWITCH;

// The combo guide's popup list.
typedef struct SWidgetComboSuit
{
    const SWidgetColor* hoverColor = nullptr;
    const SWidgetColor* selectedColor = nullptr;
} WIDGET_COMBO_SUIT;

typedef struct SWidgetDropMenuBtn
{
    const SWidgetColor* color = nullptr;
    const SWidgetGradientColor* gradient = nullptr;
    const WIDGET_BORDER* border = nullptr;
    const WIDGET_OUTLINE* outline = nullptr;
    QString image; // background image, centred
} WIDGET_DROP_MENU_BTN;

typedef struct SWidgetDropMenuItem
{
    const SWidgetColor* color = nullptr;
    const SWidgetColor* checkedColor = nullptr;
    const SWidgetColor* hoverColor = nullptr;
    const SWidgetColor* hoverCheckedColor = nullptr;
    const WIDGET_FONT* font = nullptr;
    const SWidgetBorderLine* border = nullptr;
} WIDGET_DROP_MENU_ITEM;

typedef struct SWidgetGlowLabel
{
    const SWidgetColor* color = nullptr;
    const WIDGET_FONT* font = nullptr;
    const SWidgetSides* padding = nullptr;
} WIDGET_GLOW_LABEL;

typedef struct SWidgetAffixesLabel
{
    const SWidgetColor* color = nullptr;
    const WIDGET_FONT* font = nullptr;
} WIDGET_AFFIXES_LABEL;

typedef struct SWidgetTaskBar
{
    const SWidgetColor* color = nullptr;
    const WIDGET_BORDER* border = nullptr;
    WG_ALIGNMENT_S align = WG_ALIGN_CENTER;
    const SWidgetGradientColor* chunkGradient = nullptr;
} WIDGET_TASK_BAR;

// ---- Buttons, labels and lines ----

typedef struct SWidgetLabel
{
    const SWidgetColor* color = nullptr;
    const WIDGET_FONT* font = nullptr;
} WIDGET_LABEL;

typedef struct SWidgetRadioButton
{
    const SWidgetColor* color = nullptr;
    const WIDGET_FONT* font = nullptr;
} WIDGET_RADIO_BUTTON;

typedef struct SWidgetPushBtn
{
    const SWidgetColor* color = nullptr;
    const SWidgetColor* pressedColor = nullptr;
    const SWidgetColor* checkedColor = nullptr;
    const WIDGET_FONT* font = nullptr;
    const SWidgetGradientColor* gradient = nullptr;
    const WIDGET_BORDER* border = nullptr;
    const WIDGET_OUTLINE* outline = nullptr; // not read: the focus outline is always width 0
} WIDGET_PUSH_BTN;

typedef struct SWidgetToolBtn
{
    const SWidgetColor* color = nullptr;
    const SWidgetGradientColor* gradient = nullptr;
    // Text: border colour while checked; background: background while disabled.
    const SWidgetColor* stateColor = nullptr;
    const WIDGET_BORDER* border = nullptr;
    QString image; // background image, centred
} WIDGET_TOOL_BTN;

typedef struct SWidgetCheckBox
{
    const SWidgetColor* color = nullptr;
    const SWidgetColor* checkedColor = nullptr;
    const SWidgetColor* uncheckedColor = nullptr;
    const SWidgetColor* disabledColor = nullptr;
    const WIDGET_FONT* font = nullptr;
    const WIDGET_OUTLINE* outline = nullptr;
    QString checkedImage;
    QString uncheckedImage;
} WIDGET_CHECK_BOX;

typedef struct SWidgetGroupBtn
{
    const SWidgetColor* color = nullptr;
    const SWidgetColor* checkedColor = nullptr;
    const SWidgetGradientColor* gradient = nullptr;
    const WIDGET_BORDER* border = nullptr;
    const WIDGET_BORDER* checkedBorder = nullptr;
    const WIDGET_FONT* font = nullptr;
    const WIDGET_FONT* checkedFont = nullptr;
    WG_ALIGNMENT_S checkedAlign = WG_ALIGN_CENTER;
} WIDGET_GROUP_BTN;

// ---- Spin boxes, combo boxes, edits and item views ----

typedef struct SWidgetSpinBox
{
    const SWidgetColor* color = nullptr;
    const SWidgetColor* disabledColor = nullptr;
    const SWidgetColor* buttonHoverColor = nullptr;
    const SWidgetColor* buttonPressedColor = nullptr;
    const WIDGET_BORDER* border = nullptr; // the box and both buttons
    const WIDGET_FONT* font = nullptr;
    const WIDGET_SIZE* buttonSize = nullptr;
    QString upImage;
    QString downImage;
} WIDGET_SPIN_BOX;

typedef struct SWidgetComboBox
{
    int16_t itemHeight = 0; // minimum height of a popup item
    uint32_t itemColor = kWgColorUnset;
    const SWidgetColor* color = nullptr;
    const SWidgetColor* selectedColor = nullptr; // the selected popup item
    const SWidgetColor* disabledColor = nullptr;
    const SWidgetGradientColor* popupGradient = nullptr;
    const WIDGET_FONT* font = nullptr;
    const WIDGET_BORDER* border = nullptr; // the box and the popup; its corners round the items
    const SWidgetSides* padding = nullptr; // the box and each popup item
    QString arrowImage;
} WIDGET_COMBO_BOX;

typedef struct SWidgetEdit
{
    const SWidgetColor* color = nullptr;
    const SWidgetColor* readOnlyColor = nullptr; // read-only and disabled
    const WIDGET_FONT* font = nullptr;
    const WIDGET_BORDER* border = nullptr;
    const SWidgetSides* padding = nullptr;
    QString arrowImage; // date edits only
} WIDGET_EDIT;

typedef struct SWidgetTableView
{
    const SWidgetColor* color = nullptr;
    const WIDGET_FONT* font = nullptr;
    const WIDGET_BORDER* border = nullptr;
} WIDGET_TABLE_VIEW;

typedef struct SWidgetHeaderView
{
    const WIDGET_SIZE* sectionSize = nullptr;
    const SWidgetColor* sectionColor = nullptr;
    QString upArrowImage;
    QString downArrowImage;
} WIDGET_HEADER_VIEW;

// ---- Tab widgets, group boxes and sliders ----

typedef struct SWidgetTab
{
    const WIDGET_SIZE* size = nullptr;
    const WIDGET_FONT* font = nullptr;
    const SWidgetColor* color = nullptr;
    const SWidgetColor* selectedColor = nullptr;
    const SWidgetBorderSides* border = nullptr;
    const SWidgetBorderSides* selectedBorder = nullptr;
} WIDGET_TAB;

typedef struct SWidgetTabWidget
{
    const SWidgetBorderSides* paneBorder = nullptr;
    const WIDGET_TAB* tab = nullptr;
} WIDGET_TAB_WIDGET;

typedef struct SWidgetGroupBox
{
    const SWidgetColor* color = nullptr;
    const WIDGET_BORDER* border = nullptr;
    const SWidgetSides* margin = nullptr;
} WIDGET_GROUP_BOX;

// Horizontal sliders only.
typedef struct SWidgetSlider
{
    const WIDGET_SIZE* size = nullptr;
    const SWidgetBorderRadius* radius = nullptr; // groove, both pages and the handle
    const WIDGET_SIZE* grooveSize = nullptr;
    const SWidgetBorderLine* grooveBorder = nullptr;
    const SWidgetSides* grooveMargin = nullptr;
    const WIDGET_SIZE* pageSize = nullptr;
    const SWidgetBorderLine* pageBorder = nullptr;
    const SWidgetGradientColor* subPageGradient = nullptr; // before the handle
    const SWidgetColor* addPageColor = nullptr;            // after the handle
    const WIDGET_SIZE* handleSize = nullptr;
    const SWidgetBorderLine* handleBorder = nullptr;
    const SWidgetGradientColor* handleGradient = nullptr;
    const SWidgetSides* handleMargin = nullptr;
} WIDGET_SLIDER;
