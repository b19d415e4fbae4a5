// The shell side of Korrelang on GNOME: what only the shell can give an ordinary program, on
// the shell's own session-bus connection. The header that imports Gio, GLib, St, Clutter, Meta,
// Shell and the keyboard module, and the footer that hands the service to the shell, differ between
// the two extension APIs; this body is shared by both.

const KORRELANG_BUS_NAME = 'org.korrelang.GnomeShell';
const KORRELANG_PATH = '/org/korrelang/GnomeShell';
const KORRELANG_IFACE = `<node>
  <interface name="org.korrelang.GnomeShell">
    <method name="InputSources">
      <arg type="a(sss)" direction="out" name="sources"/>
      <arg type="i" direction="out" name="current"/>
    </method>
    <method name="ActivateInputSource">
      <arg type="u" direction="in" name="index"/>
      <arg type="b" direction="out" name="done"/>
    </method>
    <signal name="InputSourceChanged">
      <arg type="i" name="current"/>
    </signal>
    <method name="FocusedApplication">
      <arg type="s" direction="out" name="id"/>
      <arg type="s" direction="out" name="name"/>
      <arg type="i" direction="out" name="pid"/>
    </method>
    <method name="ClipboardTypes">
      <arg type="b" direction="in" name="primary"/>
      <arg type="as" direction="out" name="types"/>
    </method>
    <method name="ClipboardContent">
      <arg type="b" direction="in" name="primary"/>
      <arg type="s" direction="in" name="type"/>
      <arg type="u" direction="in" name="maxBytes"/>
      <arg type="u" direction="in" name="timeoutMs"/>
      <arg type="ay" direction="out" name="data"/>
      <arg type="s" direction="out" name="outcome"/>
    </method>
    <method name="SetClipboardContent">
      <arg type="b" direction="in" name="primary"/>
      <arg type="s" direction="in" name="type"/>
      <arg type="ay" direction="in" name="data"/>
      <arg type="t" direction="out" name="claims"/>
    </method>
    <method name="ClipboardClaims">
      <arg type="t" direction="out" name="clipboard"/>
      <arg type="t" direction="out" name="primary"/>
    </method>
    <signal name="ClipboardOwnerChanged">
      <arg type="b" name="primary"/>
      <arg type="t" name="claims"/>
    </signal>
    <method name="KeyChord">
      <arg type="au" direction="in" name="keys"/>
    </method>
    <property name="Version" type="u" access="read"/>
  </interface>
</node>`;

// Between the events of a chord: with an input method running, events sent back to back lose
// their modifiers.
const KORRELANG_KEY_GAP_MS = 8;

var KorrelangService = class KorrelangService {
    constructor() {
        this.Version = 2;
        this._object = null;
        this._nameId = 0;
        this._sourceChangedId = 0;
        this._keyboard = null;
        this._clipboard = St.Clipboard.get_default();
        this._selection = global.display.get_selection();
        this._ownerChangedId = 0;
        // Counted from the wall clock in microseconds, so that an extension enabled again never
        // reports fewer claims than the one before it did.
        this._claims = {clipboard: 0, primary: 0};
    }

    enable() {
        this._object = Gio.DBusExportedObject.wrapJSObject(KORRELANG_IFACE, this);
        this._object.export(Gio.DBus.session, KORRELANG_PATH);
        // The name tells Korrelang the extension is on; it follows the extension's lifetime.
        this._nameId = Gio.bus_own_name_on_connection(Gio.DBus.session, KORRELANG_BUS_NAME,
            Gio.BusNameOwnerFlags.NONE, null, null);
        const manager = Keyboard.getInputSourceManager();
        this._sourceChangedId = manager.connect('current-source-changed', () => {
            this._object.emit_signal('InputSourceChanged',
                new GLib.Variant('(i)', [this._currentIndex()]));
        });
        const start = GLib.get_real_time();
        this._claims = {clipboard: start, primary: start};
        // Korrelang waits for a copy on this instead of asking again and again.
        this._ownerChangedId = this._selection.connect('owner-changed', (selection, type) => {
            if (type !== Meta.SelectionType.SELECTION_CLIPBOARD &&
                type !== Meta.SelectionType.SELECTION_PRIMARY)
                return;
            const primary = type === Meta.SelectionType.SELECTION_PRIMARY;
            const count = ++this._claims[primary ? 'primary' : 'clipboard'];
            this._object?.emit_signal('ClipboardOwnerChanged',
                new GLib.Variant('(bt)', [primary, count]));
        });
    }

    disable() {
        if (this._ownerChangedId)
            this._selection.disconnect(this._ownerChangedId);
        this._ownerChangedId = 0;
        if (this._sourceChangedId)
            Keyboard.getInputSourceManager().disconnect(this._sourceChangedId);
        this._sourceChangedId = 0;
        if (this._nameId)
            Gio.bus_unown_name(this._nameId);
        this._nameId = 0;
        if (this._object)
            this._object.unexport();
        this._object = null;
        if (this._keyboard)
            this._keyboard.run_dispose();
        this._keyboard = null;
    }

    _currentIndex() {
        const current = Keyboard.getInputSourceManager().currentSource;
        return current ? current.index : -1;
    }

    InputSources() {
        const manager = Keyboard.getInputSourceManager();
        const sources = [];
        for (const key of Object.keys(manager.inputSources).sort((a, b) => a - b)) {
            const source = manager.inputSources[key];
            sources.push([source.type, source.id, source.displayName]);
        }
        return [sources, this._currentIndex()];
    }

    ActivateInputSource(index) {
        const source = Keyboard.getInputSourceManager().inputSources[index];
        if (!source)
            return false;
        source.activate(true);
        return true;
    }

    FocusedApplication() {
        const window = global.display.get_focus_window();
        if (!window)
            return ['', '', -1];
        const app = Shell.WindowTracker.get_default().get_window_app(window);
        const id = app ? app.get_id() : (window.get_gtk_application_id() || window.get_wm_class() || '');
        const name = app ? app.get_name() : (window.get_wm_class() || '');
        return [id || '', name || '', window.get_pid()];
    }

    ClipboardTypes(primary) {
        return this._clipboard.get_mimetypes(primary ? St.ClipboardType.PRIMARY
            : St.ClipboardType.CLIPBOARD);
    }

    // At most `maxBytes` of one format, by `timeoutMs`: a larger one is not read to its end,
    // and an owner that does not answer in time is given up.
    ClipboardContentAsync([primary, type, maxBytes, timeoutMs], invocation) {
        const answer = (data, outcome) =>
            invocation.return_value(new GLib.Variant('(ays)', [data, outcome]));
        const stream = Gio.MemoryOutputStream.new_resizable();
        const cancellable = new Gio.Cancellable();
        const timeoutId = GLib.timeout_add(GLib.PRIORITY_DEFAULT, timeoutMs, () => {
            cancellable.cancel();
            return GLib.SOURCE_REMOVE;
        });
        const selectionType = primary ? Meta.SelectionType.SELECTION_PRIMARY
            : Meta.SelectionType.SELECTION_CLIPBOARD;
        this._selection.transfer_async(selectionType, type, maxBytes + 1, stream, cancellable,
            (selection, result) => {
                const timedOut = cancellable.is_cancelled();
                if (!timedOut)
                    GLib.source_remove(timeoutId);
                let received = false;
                try {
                    received = selection.transfer_finish(result);
                } catch (e) {
                    received = false;
                }
                stream.close(null);
                const bytes = stream.steal_as_bytes();
                if (timedOut)
                    answer(new Uint8Array(0), 'timedOut');
                else if (!received)
                    answer(new Uint8Array(0), 'refused');
                else if (bytes.get_size() > maxBytes)
                    answer(new Uint8Array(0), 'tooLarge');
                else
                    answer(bytes.toArray(), 'received');
            });
    }

    SetClipboardContent(primary, type, data) {
        const which = primary ? St.ClipboardType.PRIMARY : St.ClipboardType.CLIPBOARD;
        if (type.startsWith('text/plain'))
            this._clipboard.set_text(which, new TextDecoder().decode(data));
        else
            this._clipboard.set_content(which, type, new GLib.Bytes(data));
        // Taking the selection counted itself already: the caller learns its own claim here,
        // before any signal.
        return this._claims[primary ? 'primary' : 'clipboard'];
    }

    ClipboardClaims() {
        return [this._claims.clipboard, this._claims.primary];
    }

    // Presses `keys` (evdev codes) in order and releases them in reverse; answers when done.
    KeyChordAsync([keys], invocation) {
        if (!this._keyboard) {
            const seat = Clutter.get_default_backend().get_default_seat();
            this._keyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        }
        const events = keys.map(key => [key, Clutter.KeyState.PRESSED])
            .concat(keys.slice().reverse().map(key => [key, Clutter.KeyState.RELEASED]));
        const next = () => {
            const [key, state] = events.shift();
            this._keyboard.notify_key(GLib.get_monotonic_time(), key, state);
            if (events.length === 0) {
                invocation.return_value(null);
                return GLib.SOURCE_REMOVE;
            }
            return GLib.SOURCE_CONTINUE;
        };
        // The user may still hold the hot key's modifiers, which would join the chord: wait
        // for them to be let go, for at most a second.
        const held = Clutter.ModifierType.SHIFT_MASK | Clutter.ModifierType.CONTROL_MASK |
            Clutter.ModifierType.MOD1_MASK | Clutter.ModifierType.MOD4_MASK;
        const deadline = GLib.get_monotonic_time() + 1000000;
        const start = () => {
            if ((global.get_pointer()[2] & held) && GLib.get_monotonic_time() < deadline)
                return GLib.SOURCE_CONTINUE;
            if (next() === GLib.SOURCE_CONTINUE)
                GLib.timeout_add(GLib.PRIORITY_HIGH, KORRELANG_KEY_GAP_MS, next);
            return GLib.SOURCE_REMOVE;
        };
        if (start() === GLib.SOURCE_CONTINUE)
            GLib.timeout_add(GLib.PRIORITY_HIGH, 5, start);
    }
};
