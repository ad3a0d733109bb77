#pragma once

#include "widgets/StyledItemDelegate.h"

#include <QString>

namespace Ui {
class CAboutForm;
}

// Styles and fills the About dialog's form.
class CAboutFormView
{
public:
    explicit CAboutFormView(Ui::CAboutForm* form);

    CAboutFormView(const CAboutFormView&) = delete;
    CAboutFormView& operator=(const CAboutFormView&) = delete;

    void initUiObjDisp();
    void updateUiObjPalette();
    void updateUiObjText(const QString& softwareName);

private:
    Ui::CAboutForm* m_form = nullptr; // not owned
    CStyledItemDelegate m_itemDelegate;
    QString m_copyrightBase;
    QString m_copyrightQt;
};
