#pragma once

#include <QFrame>
#include <QString>

struct SWidgetSelectorSwitch;
class QHBoxLayout;
class QPushButton;
class WgLabel;

// Where the knob stands: side 0 puts it at the left while off and at the right while on,
// side 1 the reverse; any other value leaves the order as it is.
enum SELECTOR_SWITCH_SIDE : int {
    SELECTOR_SWITCH_SIDE_LEFT_OFF = 0,
    SELECTOR_SWITCH_SIDE_RIGHT_OFF = 1,
};

// A two-state switch: a frame holding a narrow push button (the knob) and a caption.
// A click on either flips the state and emits signalClick(); setActive() sets the state from
// code without a signal.
class WgSelectorSwitch : public QFrame
{
    Q_OBJECT

public:
    explicit WgSelectorSwitch(QWidget* parent = nullptr);
    ~WgSelectorSwitch() override;

    // The central operation: invert the state when toggle is set, arrange the knob and
    // caption, apply the state's sheet and signal when emitClick is set.
    void setSwitch(bool toggle, bool emitClick);
    bool isActive() const { return m_active; }
    void setActive(bool active);
    void setCaption(const QString& offCaption, const QString& onCaption);
    void refresh();

    // The default look in code: composes the on (true) or off sheet from its record.
    void setSwitchStyleScriptDefault(bool on);
    // Composes the on or off sheet from a record; it applies at the next setSwitch.
    void setSwitchStyleScript(bool on, const SWidgetSelectorSwitch& style);
    void setOnStyleScript(const QString& sheet);
    void setOffStyleScript(const QString& sheet);
    void clearStyleScript();
    QString onStyleScript() const { return m_onSheet; }
    QString offStyleScript() const { return m_offSheet; }

    void setSwitchBtnSide(SELECTOR_SWITCH_SIDE side);
    void setSwitchBtnText(const QString& text);
    void setSwitchBtnVisible(bool visible);

    QPushButton* switchBtn() const { return m_knob; }
    WgLabel* captionLabel() const { return m_caption; }

signals:
    void signalClick();

public slots:
    void onTrigger();

private:
    void switchBtnLayout();
    void updateCaption();

    QHBoxLayout* m_layout; // installed on the frame by the first setSwitch
    QPushButton* m_knob;
    WgLabel* m_caption;
    QString m_onSheet;
    QString m_offSheet;
    bool m_active = false;
    SELECTOR_SWITCH_SIDE m_side = SELECTOR_SWITCH_SIDE_LEFT_OFF;
    QString m_offCaption;
    QString m_onCaption;
};
