#include "AboutForm.h"

#include "AboutFormView.h"
#include "ui_AboutForm.h"

CAboutForm::CAboutForm(QWidget* parent) : WgForm(parent, Qt::FramelessWindowHint)
{
    m_form = new Ui::CAboutForm();
    m_form->setupUi(this);
    m_draggable = true;
    m_view = new CAboutFormView(m_form);
    connect(m_form->btnWinCtrlClose, SIGNAL(clicked()), this, SLOT(onClose()));
    connect(m_form->btnClose, SIGNAL(clicked()), this, SLOT(onClose()));
}

CAboutForm::~CAboutForm()
{
    delete m_view;
    delete m_form;
}

void CAboutForm::updateUiDisp() {}

void CAboutForm::updateUiText(const QString&) {}

void CAboutForm::onClose() {}
