
class KorrelangExtension {
    enable() {
        this._service = new KorrelangService();
        this._service.enable();
    }

    disable() {
        this._service.disable();
        this._service = null;
    }
}

function init() {
    return new KorrelangExtension();
}
