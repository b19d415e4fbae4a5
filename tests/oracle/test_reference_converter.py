#!/usr/bin/python3
"""Checks of the reference converter against hand-worked conversions.

The differential test trusts the reference, so the reference itself has to be pinned to
results worked out by hand; otherwise a shared misreading would pass unnoticed.
"""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import reference_converter as rc  # noqa: E402

DATA = os.environ.get('KORRELANG_LAYOUTS_FILE',
                      os.path.join(HERE, '..', '..', 'src', 'engine', 'data', 'layouts.txt'))
REGISTRY = rc.load_registry(DATA)

EN = 'com.apple.keylayout.US'
RU = 'com.apple.keylayout.Russian'
HE = 'com.apple.keylayout.Hebrew'


def convert(text, layouts, active=None, preferred=None):
    result = rc.convert(REGISTRY, text, layouts, active, preferred)
    return None if result is None else result.as_dict()


class Catalogue(unittest.TestCase):
    def test_order_and_size(self):
        ids = [m.id for m in REGISTRY.all]
        self.assertEqual(len(ids), 56)
        self.assertEqual(ids[:4], ['english', 'hebrew', 'russian', 'arabic'])
        self.assertEqual(ids[-1], 'turkish')
        for m in REGISTRY.all:
            self.assertEqual(sorted(m.key_map), sorted(rc.KEY_ORDER), m.id)

    def test_swedish_and_finnish_share_a_table(self):
        self.assertEqual(REGISTRY.by_id['swedish'].key_map, REGISTRY.by_id['finnish'].key_map)

    def test_notation(self):
        tibetan = REGISTRY.by_id['tibetan']
        self.assertEqual(tibetan.key_map[40], (' ', ' '))
        self.assertNotIn(' ', tibetan.char_to_key)
        persian = REGISTRY.by_id['persian']
        self.assertEqual(persian.key_map[41][0], '\u200d')
        self.assertEqual(REGISTRY.by_id['uyghur'].key_map[53][0], '\u0626\u200d')
        self.assertEqual(REGISTRY.by_id['uyghur'].key_map[17][1], '')
        self.assertEqual(REGISTRY.by_id['hindi'].key_map[16][0], '\u094c')
        self.assertEqual(REGISTRY.by_id['arabic'].key_map[48][0], '\u0644\u0627')


class DerivedIndex(unittest.TestCase):
    def test_first_key_in_row_order_keeps_a_shared_character(self):
        arabic = REGISTRY.by_id['arabic']
        # Shadda: key 41 (row 1) comes before key 21 (row 2).
        self.assertEqual(arabic.char_to_key['\u0651'], (41, True))
        # Lam: its own key 34 comes before the lam-alef key 48; alef: key 35 before 48.
        self.assertEqual(arabic.char_to_key['\u0644'], (34, False))
        self.assertEqual(arabic.char_to_key['\u0627'], (35, False))
        self.assertEqual(arabic.char_to_key['\\'], (43, False))
        self.assertEqual(REGISTRY.by_id['macedonian'].char_to_key['/'], (8, True))
        self.assertEqual(REGISTRY.by_id['icelandic'].char_to_key["'"], (27, False))
        self.assertEqual(REGISTRY.by_id['kurdish-kurmanji'].char_to_key['<'], (41, False))

    def test_whole_key_text_wins_over_part_of_a_longer_one(self):
        self.assertEqual(REGISTRY.by_id['arabic'].char_to_key['\u0623'], (35, True))
        self.assertEqual(REGISTRY.by_id['arabic'].char_to_key['\u0622'], (49, True))
        self.assertEqual(REGISTRY.by_id['myanmar'].char_to_key['\u102C'], (30, False))

    def test_unshifted_text_wins_within_a_key(self):
        self.assertEqual(REGISTRY.by_id['hebrew'].char_to_key['ש'], (30, False))
        self.assertEqual(REGISTRY.by_id['korean'].char_to_key['ㅛ'], (21, False))

    def test_nfc_keys(self):
        # A Punjabi consonant with nukta is stored by its canonical form.
        punjabi = REGISTRY.by_id['punjabi']
        typed = [t for pair in punjabi.key_map.values() for t in pair if '\u0a3c' in t]
        self.assertTrue(typed)
        for t in typed:
            self.assertIn(rc.nfc(t), punjabi.char_to_key)


class Resolution(unittest.TestCase):
    def resolve(self, layout_id):
        m = REGISTRY.mapping_for(layout_id)
        return None if m is None else m.id

    def test_identifiers(self):
        cases = {
            'com.apple.keylayout.US': 'english',
            'com.apple.keylayout.British': 'english',
            'com.apple.keylayout.ABC': 'english',
            'xkb.us.abc': 'english',
            'com.apple.keylayout.Russian': 'russian',
            'COM.APPLE.KEYLAYOUT.RUSSIAN': 'russian',
            'com.apple.keylayout.Belarus': 'english',       # ends in "us"
            'com.apple.keylayout.xKorean': 'korean',        # ends with "korean"
            'xkb.rs(latin).Serbian-Latin': 'croatian',
            'xkb.rs.Serbian': 'serbian',
            'xkb.tr(ku).Kurdish': 'kurdish-kurmanji',
            'xkb.il.Hebrew': 'hebrew',
            'xkb.ru': 'russian',                           # ".ru" through the ending
            'ru': None,                                    # ".ru" cannot equal a component
            '': None,
            '...': None,
            'xkb.xx.Klingon': None,
            'xkb.kr.\u212aOREAN': 'korean',                # Kelvin sign lower-cases to k
        }
        for layout_id, expected in cases.items():
            self.assertEqual(self.resolve(layout_id), expected, layout_id)

    def test_full_lower_casing(self):
        # Capital I with dot lower-cases to i + combining dot, which no pattern contains.
        self.assertIsNone(self.resolve('xkb.it.\u0130TALIAN'))

    def test_mappings_for_deduplicates_in_order(self):
        got = REGISTRY.mappings_for([RU, EN, 'com.apple.keylayout.British', 'nope', HE])
        self.assertEqual([m.id for m in got], ['russian', 'english', 'hebrew'])
        self.assertEqual(rc.Registry.other_mapping_ids(got, 'english'), ['russian', 'hebrew'])


class Conversion(unittest.TestCase):
    def test_basic(self):
        self.assertEqual(convert('ghbdtn', [EN, RU]), {
            'convertedText': 'привет', 'fromLanguage': 'English', 'toLanguage': 'Russian',
            'fromLayoutID': 'english', 'toLayoutID': 'russian'})
        self.assertEqual(convert('Ghbdtn', [EN, RU])['convertedText'], 'Привет')

    def test_sentence_capitals_from_caseless_source(self):
        self.assertEqual(convert('שלום! מה', [EN, HE])['convertedText'], 'Akuo! Nv')
        self.assertEqual(convert('שלום. מה', [EN, HE])['convertedText'], 'Akuo/ nv')

    def test_no_capitals_between_cased_layouts(self):
        self.assertEqual(convert('ghbdtn. ghbdtn', [EN, RU])['convertedText'], 'приветю привет')

    def test_failures(self):
        self.assertIsNone(convert('ghbdtn', [EN, 'com.apple.keylayout.British']))
        self.assertIsNone(convert('   ', [EN, RU]))
        self.assertIsNone(convert('', [EN, RU]))
        self.assertIsNone(convert('a\u05e9', [EN, HE]))       # exactly one half
        self.assertIsNone(convert('ghbdtn', [EN]))

    def test_quote_folding(self):
        self.assertEqual(convert('it\u2019s', [EN, RU])['convertedText'], 'шеэы')
        self.assertEqual(convert('it\u2019s\u20ac', [EN, RU])['convertedText'], 'шеэы\u20ac')
        # Detection does not fold: 2 of 4 is not enough.
        self.assertIsNone(convert('i\u2019\u2019s', [EN, RU]))

    def test_empty_target_key_drops_the_character(self):
        self.assertEqual(convert('z', [EN, 'xkb.bd.Bengali'])['convertedText'], '')

    def test_uyghur_shift(self):
        self.assertEqual(convert('QA!', [EN, 'xkb.cn(ug).Uyghur'])['convertedText'], '\ufb7a!')

    def test_hebrew_parentheses(self):
        self.assertEqual(convert('(', [EN, HE])['convertedText'], ')')

    def test_source_ties_go_to_the_first(self):
        self.assertEqual(convert('abc', [EN, 'xkb.de.German'])['fromLayoutID'], 'english')
        self.assertEqual(convert('abc', ['xkb.de.German', EN])['fromLayoutID'], 'german')

    def test_identical_tables_convert_to_the_same_text(self):
        got = convert('Hej på dig', ['xkb.se.Swedish', 'xkb.fi.Finnish'])
        self.assertEqual((got['fromLayoutID'], got['toLayoutID'], got['convertedText']),
                         ('swedish', 'finnish', 'Hej på dig'))

    def test_target_rules(self):
        three = [EN, HE, RU]
        self.assertEqual(convert('ghbdtn', three, preferred='russian')['toLayoutID'], 'russian')
        self.assertEqual(convert('ghbdtn', three, active=RU, preferred='hebrew')['toLayoutID'],
                         'hebrew')
        self.assertEqual(convert('ghbdtn', three, active=RU)['toLayoutID'], 'russian')
        self.assertEqual(convert('ghbdtn', three)['toLayoutID'], 'hebrew')
        self.assertEqual(convert('ghbdtn', three, preferred='english')['toLayoutID'], 'hebrew')
        self.assertEqual(convert('ghbdtn', three, active=EN)['toLayoutID'], 'hebrew')
        self.assertEqual(convert('ghbdtn', [EN, RU], active=HE)['toLayoutID'], 'russian')
        self.assertEqual(convert('ghbdtn', [EN, RU], preferred='Russian')['toLayoutID'],
                         'russian')

    def test_active_rule_walks_targets_in_list_order(self):
        layouts = [RU, 'xkb.kr.Korean', EN]
        # "us" is neither the last component nor the ending, so only Korean matches.
        self.assertEqual(convert('ghbdtn', layouts, active='xkb.us.Korean')['toLayoutID'],
                         'korean')
        self.assertEqual(convert('ghbdtn', layouts, active='xkb.kr.Klingon')['toLayoutID'],
                         'russian')

    def test_whitespace_clusters_pass_through(self):
        got = convert('ghbdtn\r\nghbdtn \u0301x', [EN, RU])
        self.assertEqual(got['convertedText'], 'привет\r\nпривет \u0301ч')


class CombiningMarks(unittest.TestCase):
    def test_marks_after_a_space_convert(self):
        got = convert('ो ूाेू िदी बदह', ['xkb.us.English', 'xkb.in.Hindi'])
        self.assertEqual(got['convertedText'], 'A test for you')

    def test_hindi_clusters_convert_key_by_key(self):
        got = convert('नमस्ते', ['xkb.in.Hindi', 'xkb.us.English'])
        self.assertEqual(got['convertedText'], 'Vcmdls')
        self.assertEqual(got['fromLayoutID'], 'hindi')

    def test_canonical_form_typed_by_one_key_wins(self):
        # न + nukta is canonically the letter on Hindi's shifted v key.
        got = convert('\u0928\u093c', ['xkb.in.Hindi', EN])
        self.assertEqual(got['convertedText'], 'V')   # not "V]", key by key

    def test_cluster_with_an_untypable_part_stays(self):
        got = convert('ghbe\u0301dtn', [EN, RU])
        self.assertEqual(got['convertedText'], 'приe\u0301вет')

    def test_folding_does_not_apply_to_parts(self):
        self.assertIsNone(rc.typed_in_parts('\u2019\u0301', REGISTRY.by_id['english']))

    def test_zero_width_joiner_after_a_letter(self):
        persian = REGISTRY.by_id['persian']
        self.assertEqual(rc.clusters('\u0628\u200d'), ['\u0628\u200d'])
        self.assertEqual(rc.typed_in_parts('\u0628\u200d', persian), ['\u0628', '\u200d'])


class Korean(unittest.TestCase):
    KO = 'xkb.kr.Korean'

    def test_composition(self):
        self.assertEqual(convert('dkssud', [EN, self.KO])['convertedText'], '안녕')
        self.assertEqual(convert('gksrmf', [EN, self.KO])['convertedText'], '한글')
        # A doubled final moves on before a vowel; a compound final splits.
        self.assertEqual(convert('dlTj', [EN, self.KO])['convertedText'], '이써')
        self.assertEqual(convert('dlTdj', [EN, self.KO])['convertedText'], '있어')
        self.assertEqual(convert('dlfrj', [EN, self.KO])['convertedText'], '일거')
        self.assertEqual(convert('dlfrdj', [EN, self.KO])['convertedText'], '읽어')
        self.assertEqual(convert('dhksfy', [EN, self.KO])['convertedText'], '완료')
        self.assertEqual(convert('rkQk', [EN, self.KO])['convertedText'], '가빠')

    def test_runs_end_at_untouched_characters(self):
        self.assertEqual(convert('rk rk1rk', [EN, self.KO])['convertedText'], '가 가1가')
        self.assertEqual(convert('r€k', [EN, self.KO])['convertedText'], 'ㄱ€ㅏ')

    def test_automaton(self):
        self.assertEqual(rc.compose_hangul(list('ㅗㅏ')), 'ㅘ')
        self.assertEqual(rc.compose_hangul(list('ㅏㅏ')), 'ㅏㅏ')
        self.assertEqual(rc.compose_hangul(list('ㄱㄱ')), 'ㄱㄱ')
        self.assertEqual(rc.compose_hangul(list('ㄱㅏㄸ')), '가ㄸ')
        self.assertEqual(rc.compose_hangul(list('ㄱㅏㄸㅏ')), '가따')
        self.assertEqual(rc.compose_hangul(list('ㅂㅏㄹㅂㅂ')), '밟ㅂ')
        self.assertEqual(rc.compose_hangul(list('ㅂㅏㄹㅂㅂㅏ')), '밟바')

    def test_decomposition(self):
        self.assertEqual(convert('안녕', [self.KO, EN])['convertedText'], 'Dkssud')
        self.assertEqual(convert('읽었', [self.KO, EN])['convertedText'], 'DlfrdjT')
        self.assertEqual(rc.hangul_keys('ㅘ'), ['ㅗ', 'ㅏ'])
        self.assertEqual(rc.hangul_keys('ㄲ'), None)
        # Conjoining jamo compose to a syllable first.
        self.assertEqual(rc.decomposition('\u1100\u1161\u11a8'), ['ㄱ', 'ㅏ', 'ㄱ'])

    def test_korean_round_trip(self):
        once = convert('dkssudgktpdy', [EN, self.KO])['convertedText']
        self.assertEqual(once, '안녕하세요')
        self.assertEqual(convert(once, [self.KO, EN])['convertedText'], 'Dkssudgktpdy')


if __name__ == '__main__':
    unittest.main()
