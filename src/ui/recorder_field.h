#pragma once

#include <QtQml/qqmlregistration.h>

#include <QPointer>
#include <QQuickItem>

#include "key_translation.h"
#include "shortcuts/recorder_control.h"

namespace korrelang::ui {

/// The focusable part of the shortcut recorder: taking the focus starts recording, losing it
/// ends recording, and key presses go to the RecorderControl as evdev key codes.
class RecorderField : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(korrelang::shortcuts::RecorderControl* control READ control WRITE setControl NOTIFY
                   controlChanged)

public:
    explicit RecorderField(QQuickItem* parent = nullptr);

    shortcuts::RecorderControl* control() const;
    void setControl(shortcuts::RecorderControl* control);

signals:
    void controlChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    QPointer<shortcuts::RecorderControl> m_control;
};

}  // namespace korrelang::ui
