// Window behaviour: dragging the frameless window, the sky-map resize filter, minimise, close,
// the About button and the ordered shutdown.
#include "AisConfiguration.h"

#include "AboutForm.h"
#include "device/CommSpaceManage.h"
#include "services/SysDebug.h"
#include "widgets/ModSatelliteMap.h"

#include "view/TargetExchangeSet.h"

#include "ui_AisConfiguration.h"

#include <QEvent>
#include <QTimer>
#include <QTranslator>

namespace {

constexpr int kVesselColumnWidths[] = {70, 120, 70, 60, 80, 80, 90, 90, 80, 80, 80};

} // namespace

AisConfiguration::~AisConfiguration()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Start");
    m_refreshTimer->stop();
    // Waits until the communication thread has released every link and ended: nothing below may
    // be in use there any more.
    m_commManage->end();
    delete m_targetModel;
    m_targetModel = nullptr;
    // The view's own widgets sit in the form's layouts: it goes while they still exist.
    delete m_view;
    m_view = nullptr;
    delete m_aboutForm;
    m_aboutForm = nullptr;
    delete m_appTranslator;
    m_appTranslator = nullptr;
    delete m_noticeTranslator;
    m_noticeTranslator = nullptr;
    delete ui;
    ui = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "End");
}

bool AisConfiguration::eventFilter(QObject* watched, QEvent* event)
{
    if (ui == nullptr || watched != ui->gpvwHomeSatelliteMap)
        return QObject::eventFilter(watched, event);
    if (event->type() != QEvent::Resize)
        return false;
    // The Home sky map follows the height of its view; a view too small to draw in keeps the map.
    const int height = ui->gpvwHomeSatelliteMap->height();
    if (height > 100 && m_view != nullptr && m_view->skyMapHome != nullptr) {
        m_view->skyMapHome->initSizeInfo(height);
        m_view->skyMapHome->updateUiObjPalette();
    }
    // The view must still see its resize: it lays out its viewport there, which would otherwise
    // keep its first, tiny size and show nothing of the map.
    return false;
}

void AisConfiguration::mousePressEvent(QMouseEvent* event)
{
    QMainWindow::mousePressEvent(event);
}

void AisConfiguration::mouseReleaseEvent(QMouseEvent*)
{}

void AisConfiguration::mouseMoveEvent(QMouseEvent* event)
{
    QMainWindow::mouseMoveEvent(event);
}

void AisConfiguration::onMinimized()
{}

void AisConfiguration::onClose()
{}

void AisConfiguration::onAboutClick()
{}

void AisConfiguration::setOtherVesselsColumnWidth(QTableView* table)
{
    for (int column = 0; column < static_cast<int>(std::size(kVesselColumnWidths)); ++column)
        table->setColumnWidth(column, kVesselColumnWidths[column]);
}
