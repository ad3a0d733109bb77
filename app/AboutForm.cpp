#include "AboutForm.h"

#include "AboutFormView.h"
#include "ui_AboutForm.h"

CAboutForm::CAboutForm(QWidget* parent) : WgForm(parent, Qt::FramelessWindowHint) {}

CAboutForm::~CAboutForm()
{
    delete m_view;
    delete m_form;
}

void CAboutForm::updateUiDisp() {}

void CAboutForm::updateUiText(const QString&) {}

void CAboutForm::onClose() {}
