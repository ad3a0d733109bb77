#pragma once

#include "SensorEngine/SensorSentenceHandle.h"
#include "device/AISControl.h"
#include "device/DeviceDefine.h"
#include "device/Diagnostics.h"
#include "device/SensorConfig.h"

#include <QMutex>
#include <atomic>

// The transponder's part of the sentence handling: the model from the version reply, the
// received configuration from the replies and the system-data text, the diagnostics counters and
// the own position. Written on the communication thread; the GUI thread reads through the copying
// getters, which take the writer's lock, and polls the two states, which are atomic.
class CAisSentenceHandle : public CSensorSentenceHandle
{
    Q_OBJECT

public:
    // The reply state as the controller reads it.
    enum REPLY_STATE : int {
        REPLY_STATE_NONE = 0,
        REPLY_STATE_CONFIG_END = 1, // the system-data text has ended
        REPLY_STATE_STATUS = 2,     // a configuration group 8117 reply has arrived
    };

    explicit CAisSentenceHandle(QObject* parent = nullptr);

    bool sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package) override;
    void sensorAisListener(char* sentence, int iI62Listener, char channel) override;

    // False, data untouched, when the checksum does not verify.
    static bool updateAIVERData(const char* sentence, SAiverData& data);

    void setDevDetectState(COMM_TRX_DEV_STATE state) { m_detectState = state; }
    COMM_TRX_DEV_STATE getDevDetectState() const { return static_cast<COMM_TRX_DEV_STATE>(m_detectState.load()); }

    // The two reply events are kept apart, so that a status reply never hides the end of the
    // system-data text. The state reads 1 while the text end is pending, else 2 while a status
    // reply is pending, else 0.
    int getReplyState() const;
    // 0 forgets both events, 1 or 2 marks that one.
    void setReplyState(int state);
    // Takes the pending event the caller will act on, in one step: the text end (which also
    // covers a status reply, the whole record being handed over), or, when withStatus is set, a
    // status reply. Returns what was taken, 0 for nothing.
    int takeReplyState(bool withStatus);

    void initConfigInfo();
    void initDiagnoseInfo();
    bool isChangedConfigDisp();
    // Hands the received record over to the displayed one; true when what the page shows differs.
    // One step under the lock, so a reply landing meanwhile cannot slip past the page.
    bool refreshConfigInfo();
    bool isHostPosFixed() const;
    void updateDiagnosticsData();

    // Consistent copies for the GUI thread.
    SMachineTypeData getMachineTypeData() const;
    CSensorConfig getReceivedConfig() const;
    CDiagnostics getDiagnostics() const;
    // The displayed record belongs to the GUI thread: the view reads and edits it in place.
    CSensorConfig* getDisplayedConfig() { return &m_displayedConfig; }

signals:
    void signalWiFiCfgModeEnable(int eWiFiMode);

private:
    void identifyMachine(const char* sentence);
    bool applyConfigReply(const char* sentence);
    void applyConfigText(const char* text);

    // Guards the own position, the received record, the identity and the counters against the
    // GUI thread's copies. A leaf lock: nothing else is locked, and nothing is logged, under it.
    mutable QMutex m_mutex;
    double m_dOwnLatitude = 91.0;
    double m_dOwnLongitude = 181.0;
    CSensorConfig m_receivedConfig;
    CSensorConfig m_displayedConfig;
    SMachineTypeData m_machine;
    std::atomic<bool> m_configTextEnded{false};
    std::atomic<bool> m_statusReplied{false};
    CDiagnostics m_diagnostics;
    std::atomic<int> m_detectState{COMM_TRX_DEV_NONE};
    CAISControl m_aisControl; // communication thread only
    // The station table belongs to the communication thread: a reset asked for on the GUI
    // thread is carried out there, before the next sentence.
    std::atomic<bool> m_stationResetPending{false};
};
