"""AT-SPI helpers of the Python end-to-end tests: an application by its process, the text field
that has the focus inside it, and what that field holds."""

import pyatspi


def atspi_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        try:
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away meanwhile
            continue
    return None


def _states(accessible):
    try:
        return accessible.getState()
    except Exception:
        return None


_NO_TEXT_FIELDS = (pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU,
                   pyatspi.ROLE_TOOL_BAR, pyatspi.ROLE_STATUS_BAR)


def focused_text(root, limit=6000):
    """The focused descendant of `root` that offers Text (GTK 4 marks few nodes showing, so
    hidden subtrees are searched too)."""
    stack = [root]
    visited = 0
    while stack and visited < limit:
        node = stack.pop()
        visited += 1
        states = _states(node)
        if states is None:
            continue
        if states.contains(pyatspi.STATE_FOCUSED):
            try:
                node.queryText()
                return node
            except NotImplementedError:
                pass
        try:
            count = node.childCount
        except Exception:
            continue
        # Tables, long lists and menus hold no text fields, and asking a Qt application for
        # its menus' children makes it build an object for every item.
        if count > 500 or node.getRole() in _NO_TEXT_FIELDS:
            continue
        for index in reversed(range(count)):
            try:
                child = node.getChildAtIndex(index)
            except Exception:
                continue
            if child is not None:
                stack.append(child)
    return None


def text_content(accessible):
    try:
        text = accessible.queryText()
        return text.getText(0, text.characterCount)
    except Exception:
        return None


def focused_text_of(pid):
    """What the focused text field of the application with `pid` holds, or None."""
    app = atspi_application(pid)
    field = focused_text(app) if app is not None else None
    return text_content(field) if field is not None else None
