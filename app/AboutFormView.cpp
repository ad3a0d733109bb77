#include "AboutFormView.h"

#include "ui_AboutForm.h"

CAboutFormView::CAboutFormView(Ui::CAboutForm* form) : m_form(form) {}

void CAboutFormView::initUiObjDisp() {}

void CAboutFormView::updateUiObjPalette() {}

void CAboutFormView::updateUiObjText(const QString&) {}
