'use strict';
// GNOME Shell 43 and 44: the legacy module system.
const {Clutter, Gio, GLib, Meta, Shell, St} = imports.gi;
const Keyboard = imports.ui.status.keyboard;
