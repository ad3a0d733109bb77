#pragma once

#include <QLineEdit>

// A line edit that can swallow Left and Right and reports the cursor pushed out at either end,
// so a row of edits can pass the focus along.
class WgLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit WgLineEdit(QWidget* parent = nullptr);
    ~WgLineEdit() override;

    void setIgnoreLRArrowKeyFlag(bool ignore);

signals:
    void signalFocusOut();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_ignoreLRArrowKey = false;
};
