#pragma once

#include <QComboBox>

// A combo box that announces its list is about to open, so its owner can refill it first.
class WgComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit WgComboBox(QWidget* parent = nullptr);
    ~WgComboBox() override;

    void showPopup() override;

signals:
    void signalShowPopup();
};
