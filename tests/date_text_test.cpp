#include "date_text.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <string>

namespace {

const QDate kToday(2021, 8, 31);

struct Case {
    const char* name;
    const char* locale;
    const char* text;
    int year = 0, month = 0, day = 0; // 0: not a date
    int seconds = 0;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ParseTable : public testing::TestWithParam<Case> {};

TEST_P(ParseTable, ReadsTheText) {
    const Case& c = GetParam();
    const auto value =
        DateText::parse(QString::fromUtf8(c.text), QLocale(QString::fromLatin1(c.locale)), kToday);
    if (c.year == 0) {
        EXPECT_FALSE(value.has_value());
        return;
    }
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value,
              DateValue::make(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day),
                              std::chrono::seconds{c.seconds}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTable,
    testing::Values(
        // en_US
        Case{"us_short", "en_US", "8/30/2021", 2021, 8, 30},
        Case{"us_two_digit_year_2000s", "en_US", "8/30/21", 2021, 8, 30},
        Case{"us_two_digit_year_1900s", "en_US", "8/30/30", 1930, 8, 30},
        Case{"us_year_29_is_2029", "en_US", "1/1/29", 2029, 1, 1},
        Case{"us_leading_zeros", "en_US", "08/09/2021", 2021, 8, 9},
        Case{"us_iso", "en_US", "2021-08-30", 2021, 8, 30},
        Case{"us_dashes", "en_US", "8-30-2021", 2021, 8, 30},
        Case{"us_long", "en_US", "Monday, August 30, 2021", 2021, 8, 30},
        Case{"us_month_name_first", "en_US", "August 30, 2021", 2021, 8, 30},
        Case{"us_day_first_name", "en_US", "30 August 2021", 2021, 8, 30},
        Case{"us_abbreviated_dashes", "en_US", "30-Aug-2021", 2021, 8, 30},
        Case{"us_abbreviation_dot", "en_US", "Aug. 30, 2021", 2021, 8, 30},
        Case{"us_any_case", "en_US", "30 AUGUST 2021", 2021, 8, 30},
        Case{"us_short_weekday", "en_US", "Mon, Aug 30, 2021", 2021, 8, 30},
        Case{"us_wrong_weekday", "en_US", "Tuesday, August 30, 2021"},
        Case{"us_no_year", "en_US", "8/30", 2021, 8, 30},
        Case{"us_no_year_name", "en_US", "Aug 30", 2021, 8, 30},
        Case{"us_blanks_around", "en_US", "  8/30/2021\t", 2021, 8, 30},
        Case{"us_unicode_blanks", "en_US", "\u00a08 / 30 / 2021\u2003", 2021, 8, 30},
        Case{"us_time_24h", "en_US", "8/30/2021 13:45", 2021, 8, 30, 13 * 3600 + 45 * 60},
        Case{"us_time_seconds", "en_US", "8/30/2021 0:00:59", 2021, 8, 30, 59},
        Case{"us_time_pm", "en_US", "8/30/2021 1:05 PM", 2021, 8, 30, 13 * 3600 + 300},
        Case{"us_time_am_lowercase", "en_US", "8/30/2021 12:05:10 am", 2021, 8, 30, 310},
        Case{"us_time_minute_60", "en_US", "8/30/2021 10:60"},
        Case{"us_time_hour_24", "en_US", "8/30/2021 24:00"},
        Case{"us_time_pm_hour_13", "en_US", "8/30/2021 13:00 PM"},
        Case{"us_time_alone", "en_US", "10:30"},
        Case{"us_day_that_does_not_exist", "en_US", "2/30/2021"},
        Case{"us_no_swap_of_day_and_month", "en_US", "30/8/2021"},
        Case{"us_not_leap", "en_US", "2/29/2021"},
        Case{"us_leap", "en_US", "2/29/2020", 2020, 2, 29},
        Case{"us_year_99_four_digits", "en_US", "1/1/0099"},
        Case{"us_year_100", "en_US", "1/1/0100", 100, 1, 1},
        Case{"us_year_10000", "en_US", "1/1/10000"},
        Case{"us_year_9999", "en_US", "12/31/9999", 9999, 12, 31},
        Case{"us_trailing_words", "en_US", "8/30/2021 please"},
        Case{"us_mixed_separators", "en_US", "8/30-2021"}, Case{"us_empty", "en_US", ""},
        Case{"us_blank", "en_US", "   "}, Case{"us_words", "en_US", "yesterday"},
        Case{"us_single_number", "en_US", "2021"}, Case{"us_year_one_digit", "en_US", "8/30/1"},
        Case{"us_huge_number", "en_US", "99999999999999999999/1/1"},
        Case{"us_month_13", "en_US", "13/1/2021"}, Case{"us_day_0", "en_US", "1/0/2021"},
        // en_GB
        Case{"gb_short", "en_GB", "30/08/2021", 2021, 8, 30},
        Case{"gb_one_digit", "en_GB", "9/2/2021", 2021, 2, 9},
        Case{"gb_no_swap", "en_GB", "8/30/2021"},
        Case{"gb_name", "en_GB", "30 August 2021", 2021, 8, 30},
        Case{"gb_no_year", "en_GB", "30/8", 2021, 8, 30},
        // de_DE
        Case{"de_short", "de_DE", "30.08.2021", 2021, 8, 30},
        Case{"de_one_digit", "de_DE", "9.2.2021", 2021, 2, 9},
        Case{"de_two_digit_year", "de_DE", "30.08.21", 2021, 8, 30},
        Case{"de_long", "de_DE", "Montag, 30. August 2021", 2021, 8, 30},
        Case{"de_name_without_dot", "de_DE", "30 August 2021", 2021, 8, 30},
        Case{"de_umlaut", "de_DE", "1. März 2021", 2021, 3, 1},
        Case{"de_umlaut_upper", "de_DE", "1. MÄRZ 2021", 2021, 3, 1},
        Case{"de_no_year", "de_DE", "30.8.", 2021, 8, 30},
        Case{"de_iso", "de_DE", "2021-08-30", 2021, 8, 30},
        Case{"de_time", "de_DE", "30.08.2021 23:59:59", 2021, 8, 30, 86399},
        Case{"de_us_order_rejected", "de_DE", "8/30/2021"},
        // fr_FR
        Case{"fr_short", "fr_FR", "30/08/2021", 2021, 8, 30},
        Case{"fr_name", "fr_FR", "30 août 2021", 2021, 8, 30},
        Case{"fr_weekday", "fr_FR", "lundi 30 août 2021", 2021, 8, 30},
        Case{"fr_abbreviation", "fr_FR", "1 févr. 2021", 2021, 2, 1},
        // ja_JP
        Case{"ja_short", "ja_JP", "2021/08/30", 2021, 8, 30},
        Case{"ja_one_digit", "ja_JP", "2021/8/3", 2021, 8, 3},
        Case{"ja_long", "ja_JP", "2021年8月30日月曜日", 2021, 8, 30},
        Case{"ja_long_without_weekday", "ja_JP", "2021年8月30日", 2021, 8, 30},
        Case{"ja_fullwidth_digits", "ja_JP", "２０２１/８/３０", 2021, 8, 30},
        Case{"ja_two_digit_year_first", "ja_JP", "21/08/30", 2021, 8, 30},
        // C
        Case{"c_short", "C", "30 Aug 2021", 2021, 8, 30},
        Case{"c_numeric", "C", "30/8/2021", 2021, 8, 30},
        Case{"c_iso", "C", "2021-08-30", 2021, 8, 30},
        // Month names with any mix of separators, in the English orders under every locale
        Case{"us_name_blanks_only", "en_US", "August 30 2021", 2021, 8, 30},
        Case{"us_abbreviation_blanks_only", "en_US", "Aug 30 2021", 2021, 8, 30},
        Case{"us_weekday_blanks_only", "en_US", "Monday August 30 2021", 2021, 8, 30},
        Case{"us_comma_after_name", "en_US", "August, 30 2021", 2021, 8, 30},
        Case{"us_dot_and_comma", "en_US", "Aug., 30, 2021", 2021, 8, 30},
        Case{"us_spaced_hyphens", "en_US", "30 - Aug - 2021", 2021, 8, 30},
        Case{"us_slashes_day_first", "en_US", "30/Aug/2021", 2021, 8, 30},
        Case{"us_year_first_name", "en_US", "2021 August 30", 2021, 8, 30},
        Case{"us_name_wrong_weekday", "en_US", "Tuesday Aug 30 2021"},
        Case{"us_name_day_past_month_end", "en_US", "Sep 31 2021"},
        Case{"us_name_leap_day_in_common_year", "en_US", "Feb 29 2021"},
        Case{"us_no_month_name", "en_US", "Foo 30 2021"},
        Case{"us_weekday_as_month", "en_US", "Monday 30 2021"},
        Case{"us_year_before_day_and_name", "en_US", "30 2021 August"},
        Case{"us_numbers_with_blanks", "en_US", "8 30 2021"},
        Case{"us_name_trailing_comma", "en_US", "Aug 30 2021,"},
        Case{"us_name_leading_comma", "en_US", ", Aug 30 2021"},
        Case{"us_name_five_digit_year", "en_US", "Aug 30 20211"},
        Case{"us_name_other_mark", "en_US", "Aug 30 ; 2021"},
        Case{"us_name_mixed_marks", "en_US", "30,-Aug-,2021", 2021, 8, 30},
        Case{"us_name_long_run_of_marks", "en_US",
             "30 , , , , , , , , , , , , , , , , , , , , Aug 2021", 2021, 8, 30},
        Case{"us_name_mark_outside_the_basic_plane", "en_US", "30 \U0001F600 Aug 2021"},
        Case{"us_name_four_parts", "en_US", "30 Aug 2021 5"},
        Case{"us_name_two_names", "en_US", "Aug 30 Sep"},
        Case{"us_numeric_four_numbers", "en_US", "8/30/2021/5"},
        Case{"us_numeric_ten_digit_year", "en_US", "8/30/2021000000"},
        Case{"us_numeric_digits_past_nine_then_more", "en_US", "1234567890123/8"},
        // Vietnamese weekday abbreviations hold a digit: the fourth number is the weekday's.
        Case{"vi_weekday_with_digit", "vi_VN", "T4, 03/03/2021", 2021, 3, 3},
        Case{"vi_weekday_with_digit_blank", "vi_VN", "Th 4, 03/03/2021", 2021, 3, 3},
        Case{"vi_weekday_with_digit_wrong_day", "vi_VN", "T5, 03/03/2021"},
        Case{"us_numeric_trailing_slash", "en_US", "8/30/2021/"},
        Case{"us_time_marker_first", "en_US", "8/30/2021 PM 1:05", 2021, 8, 30, 13 * 3600 + 300},
        Case{"us_time_marker_attached", "en_US", "8/30/2021 1:05PM", 2021, 8, 30, 13 * 3600 + 300},
        Case{"us_time_marker_twice", "en_US", "8/30/2021 PM 1:05 PM"},
        Case{"us_time_after_name_date", "en_US", "Aug 30 2021 1:05 pm", 2021, 8, 30,
             13 * 3600 + 300},
        Case{"us_time_fullwidth_digits", "en_US", "8/30/2021 \uff11:\uff10\uff15", 2021, 8, 30,
             3600 + 300},
        Case{"us_time_three_digit_hour", "en_US", "8/30/2021 100:05"},
        Case{"us_time_one_digit_minute", "en_US", "8/30/2021 1:5"},
        Case{"gb_name_month_first", "en_GB", "August 30 2021", 2021, 8, 30},
        Case{"gb_name_comma", "en_GB", "30 Aug, 2021", 2021, 8, 30},
        Case{"de_english_month_first", "de_DE", "August 30 2021", 2021, 8, 30},
        Case{"de_name_hyphens", "de_DE", "30.-August-2021", 2021, 8, 30},
        Case{"de_weekday_blanks_only", "de_DE", "Montag 30 August 2021", 2021, 8, 30},
        Case{"de_wrong_weekday", "de_DE", "Dienstag 30 August 2021"},
        Case{"fr_english_month_first", "fr_FR", "Aug 30, 2021", 2021, 8, 30},
        Case{"fr_name_blanks", "fr_FR", "30 août, 2021", 2021, 8, 30},
        Case{"ja_english_day_first", "ja_JP", "30 August 2021", 2021, 8, 30},
        Case{"ja_english_month_first", "ja_JP", "August 30 2021", 2021, 8, 30},
        // Non-Latin digits
        Case{"arabic_digits", "ar_EG", "\u0663\u0660/\u0668/\u0662\u0660\u0662\u0661", 2021, 8,
             30}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

constexpr int k1405 = 14 * 3600 + 5 * 60;

// Dates as people write them in their own language: connecting words, articles, ordinal days,
// words and marks around the time, and the near-misses that must stay refused.
INSTANTIATE_TEST_SUITE_P(
    WrittenForms, ParseTable,
    testing::Values(
        // Spanish: "de" from the locale's long format, "del" before the year.
        Case{"es_de", "es_ES", "14 de marzo de 2019", 2019, 3, 14},
        Case{"es_del", "es_ES", "14 de marzo del 2019", 2019, 3, 14},
        Case{"es_weekday_de", "es_ES", "jueves, 14 de marzo de 2019", 2019, 3, 14},
        Case{"es_de_at_the_end", "es_ES", "14 de marzo de"},
        Case{"es_de_twice", "es_ES", "14 de de marzo de 2019"},
        Case{"es_de_first", "es_ES", "de 14 marzo 2019"},
        Case{"es_wrong_weekday", "es_ES", "viernes, 14 de marzo de 2019"},
        // Portuguese: "de", the weekday with a hyphen, "às" before the time.
        Case{"pt_de", "pt_BR", "7 de setembro de 2020", 2020, 9, 7},
        Case{"pt_hyphen_weekday_numeric", "pt_BR", "quinta-feira 12/3/2020", 2020, 3, 12},
        Case{"pt_short_weekday_numeric", "pt_BR", "qui 12/3/2020", 2020, 3, 12},
        Case{"pt_hyphen_weekday_wrong", "pt_BR", "quarta-feira 12/3/2020"},
        Case{"pt_as_before_time", "pt_BR", "7 de setembro de 2020 às 14:05", 2020, 9, 7, k1405},
        Case{"pt_german_word_before_time", "pt_BR", "7 de setembro de 2020 um 14:05"},
        // German: "um" before the time and "Uhr" closing it.
        Case{"de_um_uhr", "de_DE", "3. März 2021 um 14:05 Uhr", 2021, 3, 3, k1405},
        Case{"de_uhr", "de_DE", "3. März 2021 14:05 Uhr", 2021, 3, 3, k1405},
        Case{"de_um", "de_DE", "3. März 2021 um 14:05", 2021, 3, 3, k1405},
        Case{"de_uhr_without_time", "de_DE", "3. März 2021 Uhr"},
        Case{"de_um_at_the_end", "de_DE", "3. März 2021 um"},
        Case{"de_spanish_de", "de_DE", "3 de März 2021"},
        Case{"de_um_without_date", "de_DE", "um 14:05 Uhr"},
        // French: the article "le", "à", the "h" of the time, "1er".
        Case{"fr_le_a_h", "fr_FR", "le 3 mars 2021 à 14h05", 2021, 3, 3, k1405},
        Case{"fr_h", "fr_FR", "3 mars 2021 14h05", 2021, 3, 3, k1405},
        Case{"fr_premier", "fr_FR", "1er mars 2021", 2021, 3, 1},
        Case{"fr_er_not_first", "fr_FR", "2er mars 2021"}, Case{"fr_le_alone", "fr_FR", "le"},
        Case{"fr_le_twice", "fr_FR", "le le 3 mars 2021"},
        Case{"fr_weekday_with_h", "fr_FR", "dimanche 7 mars 2021", 2021, 3, 7},
        // Dutch: "om" before the time, ordinal days.
        Case{"nl_om", "nl_NL", "3 maart 2021 om 14:05", 2021, 3, 3, k1405},
        Case{"nl_1ste", "nl_NL", "1ste maart 2021", 2021, 3, 1},
        Case{"nl_8ste", "nl_NL", "8ste maart 2021", 2021, 3, 8},
        Case{"nl_3de", "nl_NL", "3de maart 2021", 2021, 3, 3},
        Case{"nl_3ste", "nl_NL", "3ste maart 2021"}, Case{"nl_8de", "nl_NL", "8de maart 2021"},
        // English, understood under every locale.
        Case{"en_the_of_at", "en_US", "the 3rd of March 2021 at 2:05 pm", 2021, 3, 3, k1405},
        Case{"en_1st", "en_US", "1st March 2021", 2021, 3, 1},
        Case{"en_22nd", "en_US", "March 22nd, 2021", 2021, 3, 22},
        Case{"en_11th", "en_US", "11th March 2021", 2021, 3, 11},
        Case{"en_1th", "en_US", "1th March 2021"}, Case{"en_3st", "en_US", "3st March 2021"},
        Case{"en_11st", "en_US", "11st March 2021"},
        Case{"en_ordinal_year", "en_US", "March 3, 2021st"},
        Case{"en_ordinal_numeric", "en_US", "3rd/4/2021"},
        Case{"en_of_without_month", "en_US", "3 of 2021"},
        Case{"en_at_at_the_end", "en_US", "March 3rd, 2021 at"},
        Case{"en_at_without_date", "en_US", "at 2:05 pm"},
        Case{"en_of_under_german", "de_DE", "3rd of März 2021", 2021, 3, 3},
        Case{"en_apostrophe_year", "en_US", "March 3, '21", 2021, 3, 3},
        Case{"en_apostrophe_day", "en_US", "'03 March 2021"},
        Case{"en_apostrophe_three_digits", "en_US", "March 3, '021"},
        Case{"en_apostrophe_numeric", "en_US", "3/4/'21"},
        // ISO with "T".
        Case{"iso_t", "en_US", "2021-03-03T14:05:09", 2021, 3, 3, k1405 + 9},
        Case{"iso_t_minutes", "de_DE", "2021-03-03T14:05", 2021, 3, 3, k1405},
        Case{"iso_t_fraction", "fr_FR", "2021-03-03T14:05:09.250", 2021, 3, 3, k1405 + 9},
        Case{"iso_t_without_time", "en_US", "2021-03-03T"}, Case{"iso_lone_t", "en_US", "T"},
        Case{"iso_t_without_date", "en_US", "T14:05:09"},
        Case{"iso_t_after_us_date", "en_US", "3/3/2021T14:05"},
        Case{"iso_t_hour_25", "en_US", "2021-03-03T25:05"},
        Case{"iso_t_empty_fraction", "en_US", "2021-03-03T14:05:09."},
        // Japanese: the time in 時, 分 and 秒 from the locale's own time format.
        Case{"ja_ji_fun", "ja_JP", "2021年3月3日 14時5分", 2021, 3, 3, k1405},
        Case{"ja_ji_fun_byo", "ja_JP", "2021年3月3日 14時05分09秒", 2021, 3, 3, k1405 + 9},
        Case{"ja_ji_without_fun", "ja_JP", "2021年3月3日 14時5"},
        Case{"ja_time_without_date", "ja_JP", "14時5分"},
        // Numbers with only blanks between them stay refused.
        Case{"numbers_and_blanks", "es_ES", "14 3 2019"},
        Case{"numbers_and_de", "es_ES", "14 de 3 de 2019"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The forms other programs write a date and its time in, as each language's locale data has
// them, and the near misses that stay refused.
constexpr int k1405s = k1405 + 9;
INSTANTIATE_TEST_SUITE_P(
    LocaleForms, ParseTable,
    testing::Values(
        // A comma between date and time, with the locale's own marks and blanks.
        Case{"en_comma", "en_US", "Mar 3, 2021, 2:05 PM", 2021, 3, 3, k1405},
        Case{"en_narrow_space_pm", "en_US", "3/3/21, 2:05\u202fPM", 2021, 3, 3, k1405},
        Case{"de_comma", "de_DE", "03.03.2021, 14:05", 2021, 3, 3, k1405},
        Case{"fr_comma", "fr_FR", "3 mars 2021, 14:05", 2021, 3, 3, k1405},
        Case{"pt_comma", "pt_BR", "3 de mar. de 2021, 14:05", 2021, 3, 3, k1405},
        Case{"ru_narrow_space_year", "ru_RU", "3 мар. 2021\u202fг., 14:05", 2021, 3, 3, k1405},
        Case{"ar_comma_marks_digits", "ar_EG",
             "\u0660\u0663\u200f/\u0660\u0663\u200f/\u0662\u0660\u0662\u0661\u060c "
             "\u0662:\u0660\u0665 \u0645",
             2021, 3, 3, k1405},
        Case{"en_comma_at_the_end", "en_US", "Mar 3, 2021,"},
        Case{"en_comma_and_pm_alone", "en_US", "Mar 3, 2021, PM"},
        // Each language's words for AM and PM and for parts of the day.
        Case{"es_p_m_no_break", "es_US", "3 mar 2021, 2:05 p.\u00a0m.", 2021, 3, 3, k1405},
        Case{"el_mm", "el_GR", "3/3/2021, 2:05 μ.μ.", 2021, 3, 3, k1405},
        Case{"ms_ptg", "ms_MY", "3/03/2021, 2:05 PTG", 2021, 3, 3, k1405},
        Case{"sq_e_pasdites", "sq_AL", "3.3.21, 2:05 e pasdites", 2021, 3, 3, k1405},
        Case{"hi_pm", "hi_IN", "3/3/2021, 2:05 अपराह्न", 2021, 3, 3, k1405},
        Case{"bn_pm_digits", "bn_BD", "৩/৩/২১ ২:০৫ অপরাহ্ণ", 2021, 3, 3, k1405},
        Case{"ta_evening_before_hour", "ta_IN", "3/3/21, மாலை 2:05", 2021, 3, 3, k1405},
        Case{"en_greek_pm", "en_US", "3/3/2021 2:05 μ.μ."},
        Case{"el_malay_pm", "el_GR", "3/3/2021, 2:05 PTG"},
        // Words before and after the time, and times written with dots.
        Case{"fi_klo_dots", "fi_FI", "3.3.2021 klo 14.05", 2021, 3, 3, k1405},
        Case{"nb_kl", "nb_NO", "3. mars 2021 kl. 14:05", 2021, 3, 3, k1405},
        Case{"mk_vo", "mk_MK", "3.3.2021, во 14:05", 2021, 3, 3, k1405},
        Case{"so_ee", "so_SO", "March 3, 2021 ee 2:05 PM", 2021, 3, 3, k1405},
        Case{"bg_ch_after", "bg_BG", "3.03.2021 г., 14:05 ч.", 2021, 3, 3, k1405},
        Case{"fi_klo_without_time", "fi_FI", "3.3.2021 klo"},
        Case{"fi_klo_without_date", "fi_FI", "klo 14.05"},
        Case{"de_finnish_klo", "de_DE", "3. März 2021 klo 14.05"},
        // Chinese and Korean clock marks.
        Case{"zh_shi_fen_miao", "zh_CN", "2021年3月3日 14时05分09秒", 2021, 3, 3, k1405s},
        Case{"zh_tw_shi_fen", "zh_TW", "2021年3月3日 14時05分", 2021, 3, 3, k1405},
        Case{"ko_si_bun_cho", "ko_KR", "2021. 3. 3. 14시 05분 09초", 2021, 3, 3, k1405s},
        Case{"ko_hour_alone", "ko_KR", "2021. 3. 3. 14시"},
        Case{"zh_hour_25", "zh_CN", "2021年3月3日 25时05分"},
        // A zone after the time is read and left aside; without a time it is no date.
        Case{"en_utc", "en_US", "3/3/2021 14:05 UTC", 2021, 3, 3, k1405},
        Case{"de_cet", "de_DE", "03.03.2021 14:05 CET", 2021, 3, 3, k1405},
        Case{"de_offset", "de_DE", "03.03.2021 14:05 +0100", 2021, 3, 3, k1405},
        Case{"en_zone_without_time", "en_US", "3/3/2021 UTC"},
        Case{"de_zone_without_time", "de_DE", "03.03.2021 CET"},
        Case{"en_word_after_time", "en_US", "3/3/2021 14:05 abc"},
        Case{"en_zone_twice", "en_US", "3/3/2021 14:05 UTC UTC"},
        // Year-first long forms and their marks; the apostrophe of Catalan.
        Case{"lt_m_d", "lt_LT", "2021 m. kovo 3 d.", 2021, 3, 3},
        Case{"lt_wrong_weekday", "lt_LT", "2021 m. kovo 4 d. trečiadienis"},
        Case{"eu_eko_aren", "eu_ES", "2021(e)ko martxoaren 3(a)", 2021, 3, 3},
        Case{"kk_zh", "kk_KZ", "2021 ж. 3 наурыз", 2021, 3, 3},
        Case{"ca_typographic_apostrophe", "ca_ES", "3 d’abr. 2021", 2021, 4, 3},
        Case{"ca_plain_apostrophe", "ca_ES", "3 d'abr. 2021", 2021, 4, 3},
        // Era marks, numbers apart by blanks, one-digit minutes, where the locale writes them.
        Case{"lo_era", "lo_LA", "ວັນພຸດ ທີ 3 ມີນາ ຄ.ສ. 2021", 2021, 3, 3},
        Case{"yo_blanks", "yo_NG", "3 03 2021", 2021, 3, 3},
        Case{"yo_one_digit_minutes", "yo_NG", "3/3/2021, 14:5", 2021, 3, 3, k1405},
        Case{"en_one_digit_minutes", "en_US", "3/3/2021, 14:5"},
        // Names spelled with other letter forms.
        Case{"ar_alef_hamza", "ar_EG", "الإثنين، ١ مارس ٢٠٢١", 2021, 3, 1},
        Case{"ar_bare_alef", "ar_EG", "الاثنين، ١ مارس ٢٠٢١", 2021, 3, 1},
        Case{"ar_bare_alef_wrong_day", "ar_EG", "الاثنين، ٢ مارس ٢٠٢١"},
        // Numbers whose order Qt's, ICU's and the C library's data disagree on: read only where
        // one date fits, or where the text is the program's own.
        Case{"es_pa_one_date_fits", "es_PA", "25/12/04", 2004, 12, 25},
        Case{"es_pa_two_dates_fit", "es_PA", "01/12/04"},
        Case{"es_pa_own_text", "es_PA", "1/12/2004", 2004, 1, 12},
        Case{"ce_year_day_month", "ce_RU", "2004.01.12"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* locale;
    QDate date;
    const char* text;
};

TEST(DateTextFormat, ShortFormatWithFourDigitYear) {
    const FormatCase cases[] = {
        {"en_US", QDate(2021, 8, 30), "8/30/2021"}, {"de_DE", QDate(2021, 8, 30), "30.08.2021"},
        {"C", QDate(2021, 8, 30), "30 Aug 2021"},   {"en_GB", QDate(2021, 2, 9), "09/02/2021"},
        {"en_US", QDate(100, 1, 1), "1/1/0100"},    {"ja_JP", QDate(2021, 8, 30), "2021/08/30"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(DateText::format(c.date, QLocale(QString::fromLatin1(c.locale))).toStdString(),
                  std::string(c.text));
    }
}

TEST(DateTextBoxText, MonthFirstLocalesKeepMonthDayYearOthersTheShortDate) {
    const FormatCase cases[] = {
        {"en_US", QDate(2021, 8, 31), "8/31/2021"},  {"en_US", QDate(2022, 1, 5), "1/5/2022"},
        {"en_US", QDate(100, 1, 1), "1/1/100"},      {"de_DE", QDate(2021, 8, 31), "31.08.2021"},
        {"en_GB", QDate(2021, 8, 31), "31/08/2021"}, {"ja_JP", QDate(2021, 8, 31), "2021/08/31"},
        {"fr_FR", QDate(2022, 1, 5), "05/01/2022"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(DateText::boxText(c.date, QLocale(QString::fromLatin1(c.locale))).toStdString(),
                  std::string(c.text));
    }
}

// A picked date written into a box must be read back as the same date under every locale.
TEST(DateTextBoxText, EveryShippedLocaleReadsBackAPickedDate) {
    const QList<QDate> picks{QDate(2021, 8, 1),   QDate(2021, 8, 31),  QDate(2021, 1, 12),
                             QDate(2021, 1, 13),  QDate(2021, 12, 12), QDate(2021, 12, 13),
                             QDate(2024, 2, 29),  QDate(100, 1, 1),    QDate(100, 12, 31),
                             QDate(9999, 12, 31), QDate(9999, 1, 1)};
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 500);
    int failures = 0;
    for (const QLocale& locale : locales) {
        for (const QDate& date : picks) {
            const QString text = DateText::boxText(date, locale);
            const auto back = DateText::parse(text, locale, kToday);
            if ((!back || DateText::toQDate(*back) != date) && ++failures <= 20)
                ADD_FAILURE() << locale.name().toStdString() << ": " << text.toStdString()
                              << " for " << date.toString(Qt::ISODate).toStdString();
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(DateTextRoundTrip, EveryShippedLocaleReadsBackWhatItWrites) {
    const QList<QDate> dates{QDate(100, 1, 1),    QDate(101, 2, 28),  QDate(999, 12, 31),
                             QDate(1000, 1, 1),   QDate(1900, 2, 28), QDate(1929, 7, 4),
                             QDate(1999, 12, 31), QDate(2000, 2, 29), QDate(2021, 8, 30),
                             QDate(2029, 11, 9),  QDate(2030, 5, 17), QDate(2400, 2, 29),
                             QDate(9999, 12, 31)};
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 500);
    int failures = 0;
    for (const QLocale& locale : locales) {
        for (int m = 1; m <= 12; ++m) {
            QList<QDate> all = dates;
            all.append(QDate(1987, m, m * 2));
            for (const QDate& date : all) {
                const QString text = DateText::format(date, locale);
                const auto back = DateText::parse(text, locale, kToday);
                if (!back || DateText::toQDate(*back) != date) {
                    if (++failures <= 20)
                        ADD_FAILURE() << locale.name().toStdString() << " "
                                      << locale.dateFormat(QLocale::ShortFormat).toStdString()
                                      << ": " << text.toStdString() << " for "
                                      << date.toString(Qt::ISODate).toStdString();
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
