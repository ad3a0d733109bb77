#pragma once

#include "widgets/WgForm.h"

#include <QString>

class CAboutFormView;

namespace Ui {
class CAboutForm;
}

// The About dialog: product logo, name, version and notices; frameless and dragged by its body.
class CAboutForm : public WgForm
{
    Q_OBJECT

public:
    explicit CAboutForm(QWidget* parent);
    ~CAboutForm() override;

    void updateUiDisp();
    void updateUiText(const QString& softwareName);

    Ui::CAboutForm* getForm() const { return m_form; }

public slots:
    void onClose();

private:
    Ui::CAboutForm* m_form = nullptr; // owned
    CAboutFormView* m_view = nullptr; // owned
};
