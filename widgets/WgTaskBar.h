#pragma once

#include <QProgressBar>

// A progress bar the user steps down by clicking its left half and up by clicking its right
// half: a small step near either end, a large step nearer the middle.
class WgTaskBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit WgTaskBar(QWidget* parent = nullptr);
    ~WgTaskBar() override;

    void setSpaceValue(short smallStep, short largeStep, short edgeWidth);
    void setStyleSheetDefault();

signals:
    void subClicked();
    void addClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    short m_smallStep = 1;
    short m_largeStep = 10;
    short m_edgeWidth = 32; // pixels at either end that step by the small step
};
