// Window behaviour: dragging the frameless window, the sky-map resize filter, minimise, close,
// the About button and the ordered shutdown.
#include "AisConfiguration.h"

#include "AboutForm.h"
#include "device/CommSpaceManage.h"
#include "services/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "view/DialogProvider.h"
#include "view/TargetExchangeSet.h"
#include "widgets/ModSatelliteMap.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTimer>
#include <QTranslator>

#include <algorithm>

namespace {

// Columns of the two vessel tables, by position: the least width of each, in pixels, and the
// widest texts its format gives (none for the ship's name, which may be cut).
struct SVesselColumn
{
    int width;
    const char* widest[4];
};
const SVesselColumn kVesselColumns[] = {
    {70, {"000000000"}},                              // MMSI, nine digits
    {120, {}},                                        // ship's name
    {70, {"WWWWWWW"}},                                // call sign, seven characters
    {60, {"Base", "SAR", "AtoN", "SART"}},            // class
    {80, {"102.2", "N/A"}},                           // speed
    {80, {"359.9", "N/A"}},                           // course
    {90, {" 00\u00B000'00\"N", " 00\u00B000'00\"S"}}, // latitude
    {90, {"000\u00B000'00\"E", "000\u00B000'00\"W"}}, // longitude
    {80, {"10800.00"}},                               // range, up to half the globe
    {80, {"359.9"}},                                  // bearing
    {80, {"9999"}},                                   // report age
};
constexpr int kShipNameColumn = 1;
// Below this the Home sky map would be too small to read; it keeps its last size.
constexpr int kSkyMapMinHeight = 101;

// The width a cell of the table needs to show the text whole, its grid line included.
int cellWidth(const QTableView* table, const QString& text)
{
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = text;
    return table->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), table).width() +
           (table->showGrid() ? 1 : 0);
}

} // namespace

// The shutdown runs once, after the event loop has returned. The communication thread is
// stopped before anything it might still reach is deleted.
AisConfiguration::~AisConfiguration()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "%s", "Start");
    if (m_refreshTimer != nullptr)
        m_refreshTimer->stop();
    // Returns with the communication thread ended, however long it took: nothing below is in use
    // there any more.
    if (m_commManage != nullptr)
        m_commManage->end();

    delete m_targetModel;
    m_targetModel = nullptr;
    // The view's own widgets sit in the form's layouts: it goes while the form still exists.
    delete m_view;
    m_view = nullptr;
    delete m_aboutForm;
    m_aboutForm = nullptr;
    delete m_appTranslator; // a translator removes itself from the application
    m_appTranslator = nullptr;
    delete m_noticeTranslator;
    m_noticeTranslator = nullptr;
    delete ui;
    ui = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "%s", "End");
}

// The Home sky map follows the height of its view.
bool AisConfiguration::eventFilter(QObject* watched, QEvent* event)
{
    if (ui == nullptr || watched != ui->gpvwHomeSatelliteMap)
        return QObject::eventFilter(watched, event);
    if (event->type() != QEvent::Resize)
        return false;
    const int height = ui->gpvwHomeSatelliteMap->height();
    if (height >= kSkyMapMinHeight && m_view != nullptr && m_view->skyMapHome != nullptr) {
        m_view->skyMapHome->initSizeInfo(height);
        m_view->skyMapHome->updateUiObjPalette();
    }
    // The view must still see its resize: it lays out its viewport there, which would otherwise
    // keep its first size and show only a part of the map.
    return false;
}

// A press that no child kept starts a drag: with the left button alone, once the window is built.
void AisConfiguration::mousePressEvent(QMouseEvent* event)
{
    if (m_windowReady && event->buttons() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        m_dragPressPos = event->globalPos();
        event->accept();
    }
    QMainWindow::mousePressEvent(event);
}

void AisConfiguration::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && event->buttons() != Qt::NoButton) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
    }
    QMainWindow::mouseMoveEvent(event);
}

// A release ends the drag; the Home panels, the Wi-Fi mode pictures and the configuration
// arrows are plain widgets that leave their presses to the window, so their clicks end here.
// The window moves with the cursor, so a drag begun on one of them ends over it too: a release
// as far from its press as a drag goes is no click.
void AisConfiguration::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dragged = m_dragging && (event->globalPos() - m_dragPressPos).manhattanLength() >=
                                           QApplication::startDragDistance();
    m_dragging = false;
    if (dragged)
        return;
    wgHomeQuickMenuClick();
    wgWiFiModeClick();
    gdLayOutCfgClick();
}

void AisConfiguration::onMinimized()
{
    showMinimized();
}

// Closing in the middle of a Wi-Fi job would leave the module in pass-through or half set up:
// the user is asked first.
void AisConfiguration::onClose()
{
    const CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    const bool wifiJobRunning = wifi->systemMode() == WiFiScope::WIFI_SYS_MODE_CONFIG ||
                                ui->tbwgMain->currentWidget() == ui->tbProgressBar;
    if (wifiJobRunning) {
        const QMessageBox::StandardButton answer = CDialogProvider::instance()->messageBox(
            QMessageBox::Information, this, m_view->wifiText.strInformation, m_view->wifiText.strQuitQuestion,
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return;
    }
    close();
}

// Modal: the window takes no input until the dialog is closed. The dialog fades in.
void AisConfiguration::onAboutClick()
{
    m_aboutForm->setModal(true);
    m_aboutForm->showAnimation(true);
    m_aboutForm->show();
}

// The widths were made for a smaller font than most systems give a table, where they cut a nine-digit
// MMSI: a column is widened to show the widest value its format gives and, where the table can
// scroll sideways, its header with the sort indicator. The Home table cannot: there the ship's name
// takes the room the others leave, and headers may be cut.
void AisConfiguration::setOtherVesselsColumnWidth(QTableView* table)
{
    table->ensurePolished();
    const bool scrolls = table->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    for (int column = 0; column < static_cast<int>(std::size(kVesselColumns)); ++column) {
        int width = kVesselColumns[column].width;
        for (const char* text : kVesselColumns[column].widest) {
            if (text != nullptr)
                width = std::max(width, cellWidth(table, QString::fromUtf8(text)));
        }
        if (scrolls)
            width = std::max(width, table->horizontalHeader()->sectionSizeHint(column));
        table->setColumnWidth(column, width);
    }
    if (!scrolls)
        table->horizontalHeader()->setSectionResizeMode(kShipNameColumn, QHeaderView::Stretch);
}
