#pragma once

#include <QQuickView>
#include <QRect>

namespace korrelang::ui {
class MenuPopupViewModel;
}

namespace korrelang::app {

/// The frameless dashboard panel under the tray icon. It closes on a second click of the icon,
/// on a click anywhere outside it (the pointer is grabbed while it is open, so such clicks reach
/// it), on Escape, when another window takes the focus, and through its own buttons.
class PopupWindow : public QQuickView {
    Q_OBJECT

public:
    static constexpr QSize kSize{340, 420};

    /// The panel's screen is built by `engine`, which must outlive the panel.
    PopupWindow(QQmlEngine& engine, ui::MenuPopupViewModel& viewModel);

    /// Shows the panel at the tray icon, or at the pointer when `iconGeometry` is empty.
    void open(const QRect& iconGeometry);
    void close();
    bool isOpen() const { return isVisible(); }

protected:
    void exposeEvent(QExposeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    ui::MenuPopupViewModel& m_viewModel;
    bool m_grabbed = false;
};

}  // namespace korrelang::app
