#pragma once

#include "device/Diagnostics.h"
#include "device/SensorConfig.h"
#include "ui_AisConfiguration.h"
#include "view/AisConfigurationView.h"
#include "wifi/WiFiConfig.h"

#include <QMainWindow>
#include <memory>

// The view on the real form, without the controller: the records it points at are its own.
struct SViewOnForm
{
    SViewOnForm()
    {
        form.setupUi(&window);
        view = std::make_unique<CAisConfigurationView>(&form, &config, &wifi);
    }
    ~SViewOnForm()
    {
        // The view's own widgets sit in the form's layouts: it goes first.
        view.reset();
    }

    QMainWindow window;
    Ui::AisConfiguration form;
    CSensorConfig config;
    CWiFiConfig wifi;
    std::unique_ptr<CAisConfigurationView> view;
};
