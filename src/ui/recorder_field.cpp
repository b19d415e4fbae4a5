#include "recorder_field.h"

#include "shortcuts/recorder_control.h"

namespace korrelang::ui {

RecorderField::RecorderField(QQuickItem* parent) : QQuickItem(parent) {
    setFlag(ItemIsFocusScope, false);
    setActiveFocusOnTab(true);
    setAcceptedMouseButtons(Qt::NoButton);
}

shortcuts::RecorderControl* RecorderField::control() const {
    return m_control.data();
}

void RecorderField::setControl(shortcuts::RecorderControl* recorder) {
    if (recorder == m_control) {
        return;
    }
    if (m_control) {
        disconnect(m_control, nullptr, this, nullptr);
        m_control->endRecording();
    }
    m_control = recorder;
    if (m_control) {
        connect(m_control, &shortcuts::RecorderControl::focusReleaseRequested, this,
                [this] { setFocus(false); });
        if (hasActiveFocus()) {
            m_control->startRecording();
        }
    }
    emit controlChanged();
}

void RecorderField::keyPressEvent(QKeyEvent* event) {
    if (!m_control || !m_control->isRecording()) {
        event->ignore();
        return;
    }
    const auto key = KeyTranslation::translate(*event, m_control->host().keyFromScanCode);
    if (!key) {
        // A bare modifier: the combination is not complete yet.
        event->accept();
        return;
    }
    const auto outcome = m_control->handleKeyDown(key->keyCode, key->flags);
    event->setAccepted(outcome == shortcuts::RecorderControl::Outcome::Consumed);
}

void RecorderField::focusInEvent(QFocusEvent* event) {
    QQuickItem::focusInEvent(event);
    if (m_control) {
        m_control->startRecording();
    }
}

void RecorderField::focusOutEvent(QFocusEvent* event) {
    QQuickItem::focusOutEvent(event);
    if (m_control) {
        m_control->endRecording();
    }
}

void RecorderField::itemChange(ItemChange change, const ItemChangeData& value) {
    // Leaving the window (or the window closing) ends recording, or the hot keys stay released.
    if (change == ItemSceneChange && value.window == nullptr && m_control) {
        m_control->endRecording();
    }
    QQuickItem::itemChange(change, value);
}

}  // namespace korrelang::ui
