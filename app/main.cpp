#include "app/AisConfiguration.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AisConfiguration window;
    window.show();
    return app.exec();
}
