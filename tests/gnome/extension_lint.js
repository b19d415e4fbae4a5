// Checks a generated shell extension against the module system its shell versions load:
//   gjs extension_lint.js DIR
// The legacy form (43, 44) must be a plain script with an init() and no import or export; the
// ES-module form (45 and later) must export a default class extending Extension and must not
// touch the legacy `imports` object. In both, every shell library the body names must come from
// the header.
const {Gio} = imports.gi;
const System = imports.system;

const SHELL_NAMES = ['Clutter', 'Gio', 'GLib', 'Keyboard', 'Main', 'Meta', 'Shell', 'St'];

function read(path) {
    const [, bytes] = Gio.File.new_for_path(path).load_contents(null);
    return new TextDecoder().decode(bytes);
}

function walk(node, visit) {
    if (!node || typeof node !== 'object')
        return;
    if (Array.isArray(node)) {
        node.forEach(child => walk(child, visit));
        return;
    }
    if (typeof node.type === 'string')
        visit(node);
    for (const key of Object.keys(node)) {
        if (key !== 'loc')
            walk(node[key], visit);
    }
}

function check(dir) {
    const problems = [];
    const metadata = JSON.parse(read(`${dir}/metadata.json`));
    const versions = metadata['shell-version'].map(Number);
    const modules = versions.every(v => v >= 45);
    if (!modules && !versions.every(v => v < 45))
        problems.push('shell versions mix both module systems');
    if (!metadata.uuid || !dir.endsWith(metadata.uuid))
        problems.push(`the folder is not named after the uuid ${metadata.uuid}`);

    const source = read(`${dir}/extension.js`);
    let tree;
    try {
        tree = Reflect.parse(source, {target: modules ? 'module' : 'script', source: dir});
    } catch (e) {
        return [`syntax: ${e.message} (line ${e.lineNumber})`];
    }

    const declared = new Set();
    const used = new Set();
    let legacyImports = false, imports = 0, exportedDefault = null, init = false;
    walk(tree, node => {
        switch (node.type) {
        case 'ImportDeclaration':
            imports++;
            node.specifiers.forEach(s => declared.add(s.name.name));
            break;
        case 'ExportDeclaration':
            if (node.isDefault)
                exportedDefault = node.declaration;
            break;
        case 'VariableDeclarator':
            walk(node.id, n => n.type === 'Identifier' && declared.add(n.name));
            break;
        case 'FunctionDeclaration':
            if (node.id.name === 'init')
                init = true;
            break;
        case 'Identifier':
            if (node.name === 'imports')
                legacyImports = true;
            if (SHELL_NAMES.includes(node.name))
                used.add(node.name);
            break;
        }
    });
    for (const name of used) {
        if (!declared.has(name))
            problems.push(`${name} is used but never imported`);
    }
    if (modules) {
        if (legacyImports)
            problems.push('the legacy imports object is used in an ES module');
        if (!exportedDefault || !exportedDefault.superClass ||
            exportedDefault.superClass.name !== 'Extension')
            problems.push('no default export of a class extending Extension');
    } else {
        if (imports > 0 || exportedDefault)
            problems.push('import or export in a legacy extension');
        if (!init)
            problems.push('no init() function');
    }
    return problems;
}

let failed = false;
for (const dir of ARGV) {
    const problems = check(dir);
    problems.forEach(p => printerr(`${dir}: ${p}`));
    print(`${dir}: ${problems.length ? 'FAILED' : 'ok'}`);
    failed ||= problems.length > 0;
}
System.exit(failed || ARGV.length === 0 ? 1 : 0);
