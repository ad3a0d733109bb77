// Every page of the page stack at the window's size: nothing cut, pictures to look at.
#include "ui_AisConfiguration.h"

#include "GrabShot.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>

namespace {

// The window's size once the program fixes it.
const QSize kWindowSize(1000, 720);

// The form's own objects; Qt's inner widgets (tab scroll buttons, headers) are Qt's business.
bool isFormWidget(const QWidget* widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith("qt_") && name.at(0).isLower();
}

// Texts that get less room than they ask for are cut on screen. Where the form fixes a
// button's size, the view's styling makes the text fit, so that axis is not judged here.
void expectNothingCut(QWidget* window, QWidget* page)
{
    const QRect windowRect = window->rect();
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!isFormWidget(widget) || !widget->isVisibleTo(window)
            || !(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)))
            continue;
        SCOPED_TRACE(widget->objectName().toStdString());
        const QSize need = widget->minimumSizeHint();
        if (widget->minimumWidth() != widget->maximumWidth()) {
            EXPECT_GE(widget->width(), need.width());
        }
        if (widget->minimumHeight() != widget->maximumHeight()) {
            EXPECT_GE(widget->height(), need.height());
        }
        const QRect onWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(windowRect.contains(onWindow)) << onWindow.x() << "," << onWindow.y() << " "
                                                   << onWindow.width() << "x" << onWindow.height();
    }
}

TEST(FormPictures, EveryPageFitsTheWindowAndIsSaved)
{
    QMainWindow window;
    Ui::AisConfiguration ui;
    ui.setupUi(&window);
    window.setFixedSize(kWindowSize);
    window.show();
    for (int index = 0; index < ui.tbwgMain->count(); ++index) {
        ui.tbwgMain->setCurrentIndex(index);
        // Layouts settle on posted layout requests, as they would before the screen repaints.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QWidget* page = ui.tbwgMain->widget(index);
        SCOPED_TRACE(page->objectName().toStdString());
        const QImage shot = window.grab().toImage();
        EXPECT_EQ(shot.size(), kWindowSize);
        EXPECT_FALSE(TestSupport::saveShot(shot, QString("form_%1_%2").arg(index).arg(page->objectName())).isEmpty());
        expectNothingCut(&window, page);
    }
    // The holding page's second tab: SRM texts and encryption.
    ui.tbwgMain->setCurrentWidget(ui.tbConfigurationUtility);
    ui.tabWgCfgUtility->setCurrentWidget(ui.tbCfgUtility2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_FALSE(TestSupport::saveShot(window.grab().toImage(), "form_2_tbCfgUtility2").isEmpty());
    expectNothingCut(&window, ui.tbCfgUtility2);
    // The frame outside the page stack.
    expectNothingCut(&window, ui.centralWidget);
}

} // namespace
