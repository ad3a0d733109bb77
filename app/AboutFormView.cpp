#include "AboutFormView.h"

#include "services/Singleton.h"
#include "theme/ObjPalette.h"
#include "ui_AboutForm.h"
#include "view/AisConfigurationView.h"
#include "widgets/LibraryImage.h"

#include <QObject>

namespace {
constexpr int kKelvoraLogo = 2;
} // namespace

CAboutFormView::CAboutFormView(Ui::CAboutForm* form) : m_form(form) {}

// The close button goes to the left end of the title bar, as on the main window; the empty
// widget of the same width at the right end keeps the title centred.
void CAboutFormView::initUiObjDisp()
{
    QHBoxLayout* border = m_form->horizontalLayout;
    border->setContentsMargins(0, 0, 0, 0);
    while (QLayoutItem* item = border->takeAt(0)) {
        if (item->spacerItem() == nullptr)
            delete item; // the widget's item only; the spacers are put back below
    }
    border->addWidget(m_form->btnWinCtrlClose);
    border->addItem(m_form->horizontalSpacer);
    border->addWidget(m_form->lblAboutBorderTitle);
    border->addItem(m_form->horizontalSpacer_2);
    border->addWidget(m_form->wgFormBorderEmpty);

    m_form->edtAboutContent->setReadOnly(true);
}

void CAboutFormView::updateUiObjPalette()
{
    ObjPalette::setWhiteThemeWgsStyle(m_form->wgAbout, m_itemDelegate);
    ObjPalette::setBorderTitleStyle(nullptr, m_form->lblAboutBorderTitle);
    ObjPalette::setWinCtrlIconStyle(m_form->btnWinCtrlClose, 0xFFFFFFFF, ResourceImage::WG_WINCTRL_CLOSE);
    ObjPalette::setPushBtnColorToneStyle(m_form->btnClose, QString(), WG_COLOR_TONE_NAVY);
    ObjPalette::setWidgetIconStyle(m_form->wgSoftwareIcon,
                                   Pattern::Singleton<LibraryImage>::instance()->getLogoImagePath(kKelvoraLogo));
    ObjPalette::setAboutSoftwareNameLabelStyle(m_form->lblSoftwareName);
    ObjPalette::setAboutSoftwareVersionLabelStyle(m_form->lblSoftwareVersion);
}

void CAboutFormView::updateUiObjText(const QString& softwareName)
{
    m_copyrightBase = QObject::tr("CopyrightBase");
    m_copyrightQt = QObject::tr("CopyrightQt");
    m_form->lblAboutBorderTitle->setText(QObject::tr("About"));
    m_form->lblSoftwareName->setText(softwareName);
    m_form->lblSoftwareVersion->setText(QStringLiteral("%1").arg(QString::fromLatin1(kProductVersion)));
    m_form->edtAboutContent->setPlainText(m_copyrightBase);
    m_form->edtAboutContent->append(m_copyrightQt);
    m_form->btnClose->setText(QObject::tr("Close"));
}
