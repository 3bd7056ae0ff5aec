#include "cursor_file.h"
#include "skin_framework.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

struct SkinCase {
    const char* name;
    QByteArray text;
    int rules; // -1: refused
};

TEST(SkinLoading, AcceptsStyleSheetsAndRefusesTheRest) {
    const SkinCase cases[] = {
        {"one_rule", "QLabel { color: red; }", 1},
        {"comments_and_strings",
         "/* a } b */ QLabel { font-family: \"A } B\"; }\n#Text1{color:blue}", 2},
        {"last_declaration_without_semicolon", "QLabel { color: red }", 1},
        {"empty_rule", "QLabel { }", 1},
        {"comment_between_slash_and_star", "Q { b: c //*x*/* */ }", 1},
        {"empty_file", "", -1},
        {"only_a_comment", "/* nothing */", -1},
        {"unclosed_rule", "QLabel { color: red;", -1},
        {"stray_closing_brace", "}", -1},
        {"nested_rule", "QLabel { QWidget { color: red; } }", -1},
        {"declaration_without_colon", "QLabel { color red; }", -1},
        {"declaration_without_value", "QLabel { color: ; }", -1},
        {"rule_without_selector", "{ color: red; }", -1},
        {"text_after_last_rule", "QLabel { color: red; } trailing", -1},
        {"unclosed_comment", "QLabel { color: red; } /*", -1},
        {"unclosed_string", "QLabel { font-family: \"Arial; }", -1},
        {"not_utf8", "QLabel { color: \xff; }", -1},
        {"utf8_cut_off_at_the_end", "l {}\xe2", -1},
        {"nul_character", QByteArray("QLabel { color: red; }\0", 23), -1},
        {"too_large", QByteArray(1024 * 1024 + 1, ' ') + "a{}", -1},
    };
    for (const SkinCase& c : cases) {
        SCOPED_TRACE(c.name);
        SkinFramework skin;
        if (c.rules < 0) {
            EXPECT_THROW(skin.LoadSkinText(c.text), SkinError);
            EXPECT_FALSE(skin.isLoaded());
            QWidget window;
            EXPECT_THROW(skin.ApplyWindow(window), SkinError);
        } else {
            EXPECT_NO_THROW(skin.LoadSkinText(c.text));
            const auto original = SkinFramework::parse(QString::fromUtf8(c.text));
            EXPECT_EQ(original.size(), c.rules);
            // What the component writes is itself a skin with the same rules.
            const auto again = SkinFramework::parse(skin.styleSheet());
            ASSERT_EQ(again.size(), original.size());
            for (qsizetype i = 0; i < again.size(); ++i) {
                EXPECT_EQ(again[i].selectors, original[i].selectors);
                EXPECT_EQ(again[i].declarations, original[i].declarations);
            }
        }
    }
}

TEST(SkinLoading, MissingFileIsRefusedWithAClearMessage) {
    SkinFramework skin;
    try {
        skin.LoadSkin(QStringLiteral("/nonexistent/x/o.cjs"), QString());
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_TRUE(std::string(e.what()).find("cannot be opened") != std::string::npos);
    }
}

TEST(SkinOptions, KeepFontsAndGeometryLeaveThoseDeclarationsOut) {
    SkinFramework skin;
    skin.LoadSkinText(
        "QPushButton { color: red; font-size: 20pt; font: bold; padding: 4px;"
        " margin-top: 2px; border-left-width: 3px; min-height: 40px; border: 1px solid; }");
    const QString all = skin.styleSheet();
    for (const char* p : {"font-size", "padding", "min-height", "border-left-width", "color"})
        EXPECT_TRUE(all.contains(QLatin1String(p))) << p;
    skin.setKeepFonts(true);
    skin.setKeepGeometry(true);
    const QString kept = skin.styleSheet();
    EXPECT_TRUE(kept.contains(QLatin1String("color: red")));
    for (const char* p :
         {"font", "padding", "margin", "min-height", "border-left-width", "border:"})
        EXPECT_FALSE(kept.contains(QLatin1String(p))) << p;

    QWidget window;
    skin.ApplyWindow(window);
    EXPECT_EQ(window.styleSheet(), kept);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct CursorCase {
    const char* name;
    QByteArray bytes;
    QSize size; // empty: refused
    QPoint hotSpot;
};

TEST(CursorFileReader, ReadsCursorsAndRefusesMalformedFiles) {
    const QString corpus = QStringLiteral(OSTRELIN_FUZZ_CORPUS "/cursor_file/");
    const QByteArray hand = readFile(QStringLiteral(OSTRELIN_HAND_CURSOR));
    const QByteArray mono = readFile(corpus + QStringLiteral("mono.cur"));
    const QByteArray png = readFile(corpus + QStringLiteral("png.cur"));
    ASSERT_FALSE(hand.isEmpty() || mono.isEmpty() || png.isEmpty());
    QByteArray badHotSpot = hand;
    badHotSpot[10] = 40; // hot spot x beyond the 32-pixel image
    QByteArray icon = hand;
    icon[2] = 1; // an icon, not a cursor
    QByteArray pastTheEnd = hand;
    pastTheEnd[18] = '\x7f'; // image offset far beyond the file
    QByteArray hugeBitmap = hand;
    hugeBitmap[22 + 4] = '\x00';
    hugeBitmap[22 + 5] = '\x10'; // bitmap width 4096
    const CursorCase cases[] = {
        {"our_hand_pointer", hand, {32, 32}, {6, 0}},
        {"one_bit_with_palette", mono, {8, 8}, {1, 1}},
        {"png_image", png, {32, 32}, {3, 4}},
        {"empty", QByteArray(), {}, {}},
        {"header_only", hand.left(6), {}, {}},
        {"truncated_image", hand.left(hand.size() - 200), {}, {}},
        {"hot_spot_outside", badHotSpot, {}, {}},
        {"icon_file", icon, {}, {}},
        {"offset_past_the_end", pastTheEnd, {}, {}},
        {"bitmap_too_wide", hugeBitmap, {}, {}},
        {"text", QByteArray("not a cursor"), {}, {}},
    };
    for (const CursorCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.size.isEmpty()) {
            EXPECT_THROW(CursorFile::decode(c.bytes), CursorFileError);
            continue;
        }
        const CursorPicture picture = CursorFile::decode(c.bytes);
        EXPECT_EQ(picture.image.size(), c.size);
        EXPECT_EQ(picture.hotSpot, c.hotSpot);
    }
    // The hand is opaque at its fingertip and transparent in its corner.
    const CursorPicture picture = CursorFile::decode(hand);
    EXPECT_EQ(qAlpha(picture.image.pixel(6, 0)), 255);
    EXPECT_EQ(qAlpha(picture.image.pixel(31, 31)), 0);
}

} // namespace
