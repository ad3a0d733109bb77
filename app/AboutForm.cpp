#include "AboutForm.h"

#include "AboutFormView.h"
#include "services/Singleton.h"
#include "ui_AboutForm.h"
#include "widgets/LibraryColor.h"

namespace {
// The catalogue's black, the same at every brightness: the frame around the white body.
constexpr int kBackgroundColorEntry = 32;
} // namespace

CAboutForm::CAboutForm(QWidget* parent) : WgForm(parent, Qt::FramelessWindowHint)
{
    m_form = new Ui::CAboutForm;
    m_form->setupUi(this);
    m_draggable = true;
    m_view = new CAboutFormView(m_form);
    connect(m_form->btnWinCtrlClose, SIGNAL(clicked()), this, SLOT(onClose()));
    connect(m_form->btnClose, SIGNAL(clicked()), this, SLOT(onClose()));
    m_view->initUiObjDisp();
}

CAboutForm::~CAboutForm()
{
    delete m_view;
    delete m_form;
}

void CAboutForm::updateUiDisp()
{
    QColor background(Pattern::Singleton<LibraryColor>::instance()->color(kBackgroundColorEntry).currentRgb());
    background.setAlpha(255);
    setBackgroundColor(background);
    m_view->updateUiObjPalette();
}

void CAboutForm::updateUiText(const QString& softwareName)
{
    m_view->updateUiObjText(softwareName);
}

// Hides the dialog; it keeps its texts and position for the next time.
void CAboutForm::onClose()
{
    close();
}
