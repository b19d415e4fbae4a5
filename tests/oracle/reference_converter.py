#!/usr/bin/python3
"""Independent reference implementation of Korrelang's layout conversion.

Written from the conversion rules alone, without looking at the C++ engine, so that the
differential test can compare two implementations that could not share a mistake.
It reads the same layout data file the engine compiles in, builds the registry, and
converts exactly as the engine must: detection, target choice, key mapping, quote folding,
sentence capitals, combining-mark clusters decomposed into their keys, and Hangul
syllables taken apart into jamo (source side) and composed again (Korean target).

Only the standard library and PyICU are used; every Unicode property comes from ICU.
"""

import icu

# Key codes (Linux input codes), row by row, left to right: the order of the tokens on each
# data-file row and the order in which the registry visits the keys (first key to claim a
# character keeps it).
ROW_KEY_CODES = (
    (41, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13),
    (16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 43),
    (30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40),
    (44, 45, 46, 47, 48, 49, 50, 51, 52, 53),
)
KEY_ORDER = tuple(code for row in ROW_KEY_CODES for code in row)

# ---------------------------------------------------------------------------------------
# Unicode helpers (ICU only)

_NFC = icu.Normalizer2.getNFCInstance()
_ROOT = icu.Locale.getRoot()
_WHITE_SPACE = icu.UProperty.WHITE_SPACE
_ALPHABETIC = icu.UProperty.ALPHABETIC


def nfc(text):
    return str(_NFC.normalize(text)) if text else text


def clusters(text):
    """Extended grapheme clusters of text, as Python strings."""
    if not text:
        return []
    it = icu.BreakIterator.createCharacterInstance(_ROOT)
    it.setText(icu.UnicodeString(text))
    # Boundaries come in UTF-16 units; slice the UTF-16 encoding to stay exact for
    # characters outside the BMP.
    raw = text.encode('utf-16-le', 'surrogatepass')
    out = []
    start = it.first()
    for end in it:
        out.append(raw[2 * start:2 * end].decode('utf-16-le', 'surrogatepass'))
        start = end
    return out


def units(text):
    """The characters conversion works on: grapheme clusters, except that whitespace carrying
    marks splits into the whitespace and the clusters of what follows it."""
    out = []
    for c in clusters(text):
        if len(c) > 1 and is_whitespace(c):
            out.append(c[0])
            out.extend(clusters(c[1:]))
        else:
            out.append(c)
    return out


def is_whitespace(cluster):
    return bool(cluster) and icu.Char.hasBinaryProperty(cluster[0], _WHITE_SPACE)


def is_letter(cluster):
    return bool(cluster) and icu.Char.hasBinaryProperty(cluster[0], _ALPHABETIC)


_MARKS = (icu.UCharCategory.NON_SPACING_MARK, icu.UCharCategory.COMBINING_SPACING_MARK,
          icu.UCharCategory.ENCLOSING_MARK)


def is_combining_mark(text):
    """Whether text begins with a combining mark (general category Mn, Mc or Me)."""
    return bool(text) and icu.Char.charType(text[0]) in _MARKS


def to_upper(text):
    return str(icu.UnicodeString(text).toUpper(_ROOT))


def to_lower(text):
    return str(icu.UnicodeString(text).toLower(_ROOT))


# ---------------------------------------------------------------------------------------
# Layout data file

TOKEN_EMPTY = '\u2205'        # ∅
TOKEN_SPACE = '\u2420'        # ␠
TOKEN_COMBINING = '\u25cc'    # ◌
CODE_POINT_OPEN = '\u27e8'    # ⟨
CODE_POINT_CLOSE = '\u27e9'   # ⟩


class DataError(ValueError):
    pass


def decode_token(token, where):
    """The key text a data-file token stands for."""
    if token == '':
        raise DataError(f'{where}: empty token (two spaces in a row?)')
    if token == TOKEN_EMPTY:
        return ''
    if token == TOKEN_SPACE:
        return ' '
    if token.startswith(TOKEN_COMBINING):
        token = token[1:]
        if not is_combining_mark(token):
            raise DataError(f'{where}: dotted circle not followed by a combining mark')
    out = []
    i = 0
    while i < len(token):
        ch = token[i]
        if ch == CODE_POINT_OPEN:
            close = token.find(CODE_POINT_CLOSE, i)
            body = token[i + 1:close] if close > 0 else ''
            if close < 0 or not body.startswith('U+') or not 4 <= len(body) - 2 <= 6:
                raise DataError(f'{where}: malformed code point escape in {token!r}')
            out.append(chr(int(body[2:], 16)))
            i = close + 1
            continue
        if ch in (TOKEN_EMPTY, TOKEN_SPACE, TOKEN_COMBINING, CODE_POINT_CLOSE):
            raise DataError(f'{where}: notation character inside token {token!r}')
        out.append(ch)
        i += 1
    return ''.join(out)


class LayoutEntry:
    """One catalogue layout exactly as the data file gives it."""

    def __init__(self, layout_id, display_name, is_rtl, is_case_sensitive, patterns, key_map):
        self.id = layout_id
        self.display_name = display_name
        self.is_rtl = is_rtl
        self.is_case_sensitive = is_case_sensitive
        self.patterns = patterns
        self.key_map = key_map  # key code -> (normal, shifted)


def parse_layouts(path):
    """Parse the catalogue data file into an ordered list of LayoutEntry."""
    entries = []
    current = None
    rows = None

    def finish():
        if current is None:
            return
        missing = [label for label in ROW_LABELS if label not in rows]
        if missing:
            raise DataError(f'layout {current[0]}: missing rows {missing}')
        key_map = {}
        for r, codes in enumerate(ROW_KEY_CODES):
            for i, code in enumerate(codes):
                key_map[code] = (rows[f'N{r + 1}'][i], rows[f'S{r + 1}'][i])
        entries.append(LayoutEntry(*current, key_map))

    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            where = f'{path}:{number}'
            if not line.strip() or line.startswith('#'):
                continue
            if line.startswith('layout '):
                finish()
                fields = [field.strip() for field in line[len('layout '):].split('|')]
                if len(fields) != 5:
                    raise DataError(f'{where}: expected five fields')
                layout_id, name, direction, case, patterns = fields
                if direction not in ('ltr', 'rtl') or case not in ('cased', 'caseless'):
                    raise DataError(f'{where}: bad direction or case field')
                if any(e.id == layout_id for e in entries):
                    raise DataError(f'{where}: repeated id {layout_id}')
                current = (layout_id, name, direction == 'rtl', case == 'cased',
                           patterns.split())
                rows = {}
                continue
            label = line[:2]
            if current is None or label not in ROW_LABELS or line[2:4] != '  ':
                raise DataError(f'{where}: unexpected line {line!r}')
            if label in rows:
                raise DataError(f'{where}: repeated row {label}')
            tokens = line[4:].split(' ')
            expected = len(ROW_KEY_CODES[int(label[1]) - 1])
            if len(tokens) != expected:
                raise DataError(f'{where}: {len(tokens)} tokens, expected {expected}')
            rows[label] = [decode_token(t, where) for t in tokens]
    finish()
    return entries


ROW_LABELS = ('N1', 'N2', 'N3', 'N4', 'S1', 'S2', 'S3', 'S4')

# ---------------------------------------------------------------------------------------
# Hangul


def _jamo(chars):
    return tuple(chars)


# Compatibility jamo in the standard index orders of syllable composition.
LEADS = _jamo('ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ')
VOWELS = _jamo('ㅏㅐㅑㅒㅓㅔㅕㅖㅗㅘㅙㅚㅛㅜㅝㅞㅟㅠㅡㅢㅣ')
TAILS = ('',) + _jamo('ㄱㄲㄳㄴㄵㄶㄷㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅄㅅㅆㅇㅈㅊㅋㅌㅍㅎ')

COMPOUND_VOWELS = {
    'ㅘ': ('ㅗ', 'ㅏ'), 'ㅙ': ('ㅗ', 'ㅐ'), 'ㅚ': ('ㅗ', 'ㅣ'), 'ㅝ': ('ㅜ', 'ㅓ'),
    'ㅞ': ('ㅜ', 'ㅔ'), 'ㅟ': ('ㅜ', 'ㅣ'), 'ㅢ': ('ㅡ', 'ㅣ'),
}
COMPOUND_TAILS = {
    'ㄳ': ('ㄱ', 'ㅅ'), 'ㄵ': ('ㄴ', 'ㅈ'), 'ㄶ': ('ㄴ', 'ㅎ'), 'ㄺ': ('ㄹ', 'ㄱ'),
    'ㄻ': ('ㄹ', 'ㅁ'), 'ㄼ': ('ㄹ', 'ㅂ'), 'ㄽ': ('ㄹ', 'ㅅ'), 'ㄾ': ('ㄹ', 'ㅌ'),
    'ㄿ': ('ㄹ', 'ㅍ'), 'ㅀ': ('ㄹ', 'ㅎ'), 'ㅄ': ('ㅂ', 'ㅅ'),
}
JOIN_VOWELS = {pair: joined for joined, pair in COMPOUND_VOWELS.items()}
JOIN_TAILS = {pair: joined for joined, pair in COMPOUND_TAILS.items()}
# Double consonants that cannot close a syllable.
NOT_TAILS = frozenset('ㄸㅃㅉ')

SYLLABLE_FIRST = 0xAC00
SYLLABLE_LAST = 0xD7A3


def is_compat_jamo(ch):
    return len(ch) == 1 and 0x3131 <= ord(ch) <= 0x3163


def is_vowel_jamo(ch):
    return len(ch) == 1 and 0x314F <= ord(ch) <= 0x3163


def hangul_keys(cluster_nfc):
    """The jamo keys that type a Hangul syllable or compound jamo, or None."""
    if len(cluster_nfc) != 1:
        return None
    cp = ord(cluster_nfc)
    if SYLLABLE_FIRST <= cp <= SYLLABLE_LAST:
        index = cp - SYLLABLE_FIRST
        lead, rest = divmod(index, 21 * 28)
        vowel, tail = divmod(rest, 28)
        keys = [LEADS[lead]]
        keys.extend(COMPOUND_VOWELS.get(VOWELS[vowel], (VOWELS[vowel],)))
        if tail:
            keys.extend(COMPOUND_TAILS.get(TAILS[tail], (TAILS[tail],)))
        return keys
    if cluster_nfc in COMPOUND_VOWELS:
        return list(COMPOUND_VOWELS[cluster_nfc])
    if cluster_nfc in COMPOUND_TAILS:
        return list(COMPOUND_TAILS[cluster_nfc])
    return None


def compose_hangul(jamo):
    """Two-set composition of a run of compatibility jamo typed on the Korean layout."""
    out = []
    lead = vowel = tail = None

    def emit():
        nonlocal lead, vowel, tail
        if lead is not None and vowel is not None:
            t = TAILS.index(tail) if tail is not None else 0
            out.append(chr(SYLLABLE_FIRST
                           + (LEADS.index(lead) * 21 + VOWELS.index(vowel)) * 28 + t))
        else:
            out.extend(j for j in (lead, vowel, tail) if j is not None)
        lead = vowel = tail = None

    for j in jamo:
        if is_vowel_jamo(j):
            if lead is not None and vowel is not None and tail is not None:
                if tail in COMPOUND_TAILS:
                    first, second = COMPOUND_TAILS[tail]
                    tail = first
                    emit()
                    lead = second
                else:
                    moved = tail
                    tail = None
                    emit()
                    lead = moved
                vowel = j
            elif lead is not None and vowel is not None:
                if (vowel, j) in JOIN_VOWELS:
                    vowel = JOIN_VOWELS[(vowel, j)]
                else:
                    emit()
                    vowel = j
            elif lead is not None:
                vowel = j
            elif vowel is not None:
                if (vowel, j) in JOIN_VOWELS:
                    vowel = JOIN_VOWELS[(vowel, j)]
                else:
                    emit()
                    vowel = j
            else:
                vowel = j
        else:
            if lead is not None and vowel is not None and tail is not None:
                if tail not in COMPOUND_TAILS and (tail, j) in JOIN_TAILS:
                    tail = JOIN_TAILS[(tail, j)]
                else:
                    emit()
                    lead = j
            elif lead is not None and vowel is not None:
                if j not in NOT_TAILS:
                    tail = j
                else:
                    emit()
                    lead = j
            elif lead is not None or vowel is not None:
                emit()
                lead = j
            else:
                lead = j
    emit()
    return ''.join(out)


# ---------------------------------------------------------------------------------------
# Registry


class KeyboardMapping:
    def __init__(self, entry):
        self.id = entry.id
        self.display_name = entry.display_name
        self.layout_patterns = list(entry.patterns)
        self.is_rtl = entry.is_rtl
        self.is_case_sensitive = entry.is_case_sensitive
        self.key_map = dict(entry.key_map)
        self.char_to_key = {}  # NFC character -> (key code, shifted)
        # Texts that are one character claim first; ligatures and multi-part signs only get
        # what no key types on its own.
        for single_round in (True, False):
            for code in KEY_ORDER:
                normal, shifted = self.key_map[code]
                for text, is_shifted in ((normal, False), (shifted, True)):
                    chars = clusters(text)
                    if (len(chars) == 1) != single_round:
                        continue
                    for ch in chars:
                        if is_whitespace(ch):
                            continue
                        self.char_to_key.setdefault(nfc(ch), (code, is_shifted))
        # Every non-whitespace character indexed is also typeable, so the two sets agree.
        self.character_set = frozenset(self.char_to_key)

    def __repr__(self):
        return f'<KeyboardMapping {self.id}>'


def _last_component(lowered):
    pieces = [p for p in lowered.split('.') if p]
    return pieces[-1] if pieces else lowered


def pattern_matches(mapping, lowered, last):
    return any(p == last or lowered.endswith(p) for p in mapping.layout_patterns)


class Registry:
    def __init__(self, entries):
        self.all = [KeyboardMapping(e) for e in entries]
        self.by_id = {m.id: m for m in self.all}

    def mapping_for(self, layout_id):
        lowered = nfc(to_lower(layout_id))
        last = _last_component(lowered)
        for mapping in self.all:
            if pattern_matches(mapping, lowered, last):
                return mapping
        return None

    def mappings_for(self, layout_ids):
        taken = set()
        result = []
        for layout_id in layout_ids:
            mapping = self.mapping_for(layout_id)
            if mapping is not None and mapping.id not in taken:
                taken.add(mapping.id)
                result.append(mapping)
        return result

    @staticmethod
    def other_mapping_ids(mappings, excluding):
        return [m.id for m in mappings if m.id != excluding]


# ---------------------------------------------------------------------------------------
# Converter

QUOTE_FOLDING = {
    '\u05f3': "'", '\u05f4': '"',
    '\u2019': "'", '\u2018': "'",
    '\u201c': '"', '\u201d': '"',
    '\u00ab': '"', '\u00bb': '"',
}


class ConversionResult:
    FIELDS = ('convertedText', 'fromLanguage', 'toLanguage', 'fromLayoutID', 'toLayoutID')

    def __init__(self, converted, source, target):
        self.convertedText = converted
        self.fromLanguage = source.display_name
        self.toLanguage = target.display_name
        self.fromLayoutID = source.id
        self.toLayoutID = target.id

    def as_dict(self):
        return {f: getattr(self, f) for f in self.FIELDS}


def decomposition(cluster):
    """Smaller characters a source could type one by one, or None."""
    normal = nfc(cluster)
    keys = hangul_keys(normal)
    if keys is not None:
        return keys
    if len(normal) >= 2:
        return list(normal)
    return None


def typed_in_parts(cluster, mapping):
    """The decomposition of cluster when every part is a key of mapping, else None."""
    if is_whitespace(cluster):
        return None
    parts = decomposition(cluster)
    if parts is None or not all(p in mapping.char_to_key for p in parts):
        return None
    return parts


def is_matched(cluster, mapping):
    """Whether a non-whitespace character counts for mapping in detection."""
    if nfc(cluster) in mapping.character_set:
        return True
    return typed_in_parts(cluster, mapping) is not None


def score(text, mapping):
    chars = [c for c in units(text) if not is_whitespace(c)]
    matched = sum(1 for c in chars if is_matched(c, mapping))
    return matched, len(chars)


def detect_source(text, candidates):
    chars = [c for c in units(text) if not is_whitespace(c)]
    n = len(chars)
    if n == 0:
        return None
    best = None
    best_score = 0.0
    for candidate in candidates:
        matched = sum(1 for c in chars if is_matched(c, candidate))
        s = matched / n
        if best_score < s:
            best, best_score = candidate, s
    if not best_score > 0.5:
        return None
    return best


def _target_matching(targets, layout_id):
    lowered = nfc(to_lower(layout_id))
    last = _last_component(lowered)
    for target in targets:
        if pattern_matches(target, lowered, last):
            return target
    return None


def determine_target(source, candidates, active_layout_id, preferred_target_id):
    targets = [c for c in candidates if c.id != source.id]
    if not targets:
        return None
    if preferred_target_id is not None:
        for target in targets:
            if target.id == preferred_target_id:
                return target
    if len(targets) == 1:
        return targets[0]
    if active_layout_id is not None:
        hit = _target_matching(targets, active_layout_id)
        if hit is not None:
            return hit
    return targets[0]


def map_characters(text, source, target):
    """Key-for-key conversion; returns the new text."""
    compose = target.id == 'korean'
    out = []
    run = []  # pending jamo typed on the Korean target

    def end_run():
        if run:
            out.append(compose_hangul(run))
            run.clear()

    def put_key(code, shifted):
        normal, shifted_text = target.key_map[code]
        produced = shifted_text if shifted else normal
        if compose and is_compat_jamo(produced):
            run.append(produced)
        else:
            end_run()
            out.append(produced)

    for c in units(text):
        folded = QUOTE_FOLDING.get(nfc(c), c)
        key = source.char_to_key.get(nfc(folded))
        if key is not None and key[0] in target.key_map:
            put_key(*key)
            continue
        parts = typed_in_parts(c, source)
        if parts is not None:
            for part in parts:
                put_key(*source.char_to_key[part])
            continue
        end_run()
        out.append(c)
    end_run()
    return ''.join(out)


def capitalize_sentences(text):
    out = []
    capitalize_next = True
    for c in clusters(text):
        if capitalize_next and is_letter(c):
            out.append(to_upper(c))
            capitalize_next = False
        else:
            out.append(c)
            if c in ('.', '!', '?'):
                capitalize_next = True
    return ''.join(out)


def convert(registry, text, layouts, active_layout_id=None, preferred_target_id=None):
    candidates = registry.mappings_for(layouts)
    if len(candidates) < 2:
        return None
    source = detect_source(text, candidates)
    if source is None:
        return None
    target = determine_target(source, candidates, active_layout_id, preferred_target_id)
    if target is None:
        return None
    converted = map_characters(text, source, target)
    if not source.is_case_sensitive and target.is_case_sensitive:
        converted = capitalize_sentences(converted)
    return ConversionResult(converted, source, target)


def load_registry(path):
    return Registry(parse_layouts(path))
