#include "platform/layout/layouterror.h"
#include "platform/layout/layoutparser.h"

#include "../qstringprinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

using Kind = LayoutValue::Kind;

// The message of the error that parsing the text raises, or "" when it parses.
QString parseError(const QString& text) {
    try {
        parseLayout(text, QStringLiteral("t.lfm"));
    } catch (const ELayoutError& e) {
        return e.Message();
    }
    return {};
}

const LayoutValue& valueOf(const LayoutObject& o, const char* name) {
    for (const LayoutProperty& p : o.Properties)
        if (p.Name == QLatin1String(name)) return p.Value;
    throw std::runtime_error(name);
}

} // namespace

TEST(LayoutParser, ReadsNestedObjectsAndPropertiesInFileOrder) {
    const LayoutObject root = parseLayout(QStringLiteral("object Form1: TForm1\n"
                                                         "  Left = 306\n"
                                                         "  Font.Height = -13\n"
                                                         "  object Panel1: TPanel\n"
                                                         "    Align = alTop\n"
                                                         "    object CBoxMode: TComboBox\n"
                                                         "    end\n"
                                                         "  end\n"
                                                         "  object RC1: TRChart\n"
                                                         "  END\n"
                                                         "end\n"),
                                          QStringLiteral("t.lfm"));
    EXPECT_EQ(root.Name, QStringLiteral("Form1"));
    EXPECT_EQ(root.ClassName, QStringLiteral("TForm1"));
    ASSERT_EQ(root.Properties.size(), 2u);
    EXPECT_EQ(root.Properties[1].Name, QStringLiteral("Font.Height"));
    EXPECT_EQ(root.Properties[1].Value.Integer, -13);
    EXPECT_EQ(root.Properties[1].Line, 3);
    ASSERT_EQ(root.Children.size(), 2u);
    EXPECT_EQ(root.Children[0].Line, 4);
    EXPECT_EQ(valueOf(root.Children[0], "Align").Type, Kind::Identifier);
    EXPECT_EQ(valueOf(root.Children[0], "Align").Text, QStringLiteral("alTop"));
    EXPECT_EQ(root.Children[0].Children[0].ClassName, QStringLiteral("TComboBox"));
    EXPECT_EQ(root.Children[1].Name, QStringLiteral("RC1"));
}

TEST(LayoutParser, ReadsEveryKindOfValue) {
    const LayoutObject o = parseLayout(QStringLiteral("object A: TX\n"
                                                      "  I = 14540253\n"
                                                      "  N = -1\n"
                                                      "  F = 1e-10\n"
                                                      "  G = 0.5\n"
                                                      "  H = -2.5E+3\n"
                                                      "  S = 'it''s'\n"
                                                      "  C = 'a'#13#10'b' + #$41 +\n"
                                                      "      'z'\n"
                                                      "  E = ''\n"
                                                      "  B = True\n"
                                                      "  B2 = false\n"
                                                      "  Id = clBtnFace\n"
                                                      "  Set = [akTop, akRight]\n"
                                                      "  Empty = []\n"
                                                      "  L = (\n"
                                                      "    'BF_Uniform Movement'\n"
                                                      "    'x' + 'y')\n"
                                                      "  Bin = {0A ff\n"
                                                      "         10}\n"
                                                      "end"),
                                       QStringLiteral("t.lfm"));
    EXPECT_EQ(valueOf(o, "I").Integer, 14540253);
    EXPECT_EQ(valueOf(o, "N").Integer, -1);
    EXPECT_EQ(valueOf(o, "F").Type, Kind::Float);
    EXPECT_DOUBLE_EQ(valueOf(o, "F").Float, 1e-10);
    EXPECT_DOUBLE_EQ(valueOf(o, "G").Float, 0.5);
    EXPECT_DOUBLE_EQ(valueOf(o, "H").Float, -2500);
    EXPECT_EQ(valueOf(o, "S").Text, QStringLiteral("it's"));
    EXPECT_EQ(valueOf(o, "C").Text, QStringLiteral("a\r\nbAz"));
    EXPECT_EQ(valueOf(o, "E").Type, Kind::String);
    EXPECT_EQ(valueOf(o, "E").Text, QString());
    EXPECT_TRUE(valueOf(o, "B").Boolean);
    EXPECT_EQ(valueOf(o, "B2").Type, Kind::Boolean);
    EXPECT_FALSE(valueOf(o, "B2").Boolean);
    EXPECT_EQ(valueOf(o, "Id").Text, QStringLiteral("clBtnFace"));
    EXPECT_EQ(valueOf(o, "Set").Items, (QStringList{"akTop", "akRight"}));
    EXPECT_EQ(valueOf(o, "Empty").Type, Kind::Set);
    EXPECT_TRUE(valueOf(o, "Empty").Items.isEmpty());
    EXPECT_EQ(valueOf(o, "L").Items, (QStringList{"BF_Uniform Movement", "xy"}));
    EXPECT_EQ(valueOf(o, "Bin").Bytes, QByteArray("\x0a\xff\x10", 3));
    EXPECT_EQ(o.Properties.back().Line, 19);
}

TEST(LayoutParser, MalformedTextNamesFileLineAndWord) {
    EXPECT_EQ(parseError("object A: TX\n  object B: TY\n  X = 1\nend"), "t.lfm(1): missing \"end\" of \"A\"");
    EXPECT_EQ(parseError("object A: TX\n  object B: TY\n  X = 1\n"), "t.lfm(2): missing \"end\" of \"B\"");
    EXPECT_EQ(parseError("object A: TX\nend\nend"), "t.lfm(3): unexpected \"end\"");
    EXPECT_EQ(parseError("object A: TX\n  Width 12\nend"), "t.lfm(2): expected \"=\" but found \"12\"");
    EXPECT_EQ(parseError("object A: TX\n  S = 'abc\nend"), "t.lfm(2): unterminated string \"'abc\"");
    EXPECT_EQ(parseError("object A: TX\n  W = 12px\nend"), "t.lfm(2): bad number \"12px\"");
    EXPECT_EQ(parseError("object A: TX\n  W = 99999999999999999999\nend"),
              "t.lfm(2): bad number \"99999999999999999999\"");
    EXPECT_EQ(parseError("object A: TX\n  S = #1114112\nend"), "t.lfm(2): bad character code \"#1114112\"");
    EXPECT_EQ(parseError("object A: TX\n  S = 'a' +\nend"), "t.lfm(3): expected a string but found \"end\"");
    EXPECT_EQ(parseError("object A: TX\n  G = {0A 1\n}\nend"),
              "t.lfm(2): odd number of hex digits in binary data \"{\"");
    EXPECT_EQ(parseError("object A: TX\n  G = {0A\n 1G}\nend"), "t.lfm(3): bad binary data \"G\"");
    EXPECT_EQ(parseError("object A: TX\n  G = {0A"), "t.lfm(2): unterminated binary data \"{\"");
    EXPECT_EQ(parseError("object A: TX\n  A = [akTop akLeft]\nend"),
              "t.lfm(2): expected \",\" but found \"akLeft\"");
    EXPECT_EQ(parseError("object A: TX\n  L = ( 'a' 3 )\nend"),
              "t.lfm(2): expected a string but found \"3\"");
    EXPECT_EQ(parseError("object A: TX\n  X = \nend"), "t.lfm(3): expected a value but found \"end\"");
    EXPECT_EQ(parseError("object A: TX\n  Font..Height = 1\nend"),
              "t.lfm(2): expected a name but found \"Font..Height\"");
    EXPECT_EQ(parseError("object A TX\nend"), "t.lfm(1): expected \":\" but found \"TX\"");
    EXPECT_EQ(parseError("thing A: TX\nend"), "t.lfm(1): expected \"object\" but found \"thing\"");
    EXPECT_EQ(parseError(""), "t.lfm(1): expected \"object\" but found \"end of file\"");
    EXPECT_EQ(parseError("object A: TX\n  W = 1 ; \nend"), "t.lfm(2): unexpected character \";\"");
}

// A NUL byte is a character like any other that has no place in a layout, not the end of it.
TEST(LayoutParser, ANulByteIsAnErrorWithItsLine) {
    const auto withNul = [](const char* before, const char* after) {
        return QString::fromLatin1(before) + QChar(u'\0') + QString::fromLatin1(after);
    };
    EXPECT_EQ(parseError(withNul("object A: TX end", "\nmore text")),
              "t.lfm(1): unexpected character \"#0\"");
    EXPECT_EQ(parseError(withNul("object A: TX\n  W = 1\n", "\nend")),
              "t.lfm(3): unexpected character \"#0\"");
    EXPECT_EQ(parseError(withNul("object A: TX\n  S = 'a", "b'\nend")),
              "t.lfm(2): unexpected character \"#0\"");
    EXPECT_EQ(parseError(withNul("object A: TX\n  G = {0A\n", "}\nend")), "t.lfm(3): bad binary data \"#0\"");
    // From a file's bytes alike.
    try {
        parseLayout(QByteArray("object A: TX\nend\0garbage", 24), QStringLiteral("t.lfm"));
        ADD_FAILURE() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Line(), 2);
        EXPECT_EQ(e.Message(), "t.lfm(2): unexpected character \"#0\"");
    }
    // Other control characters are shown the same way.
    EXPECT_EQ(parseError(QStringLiteral("object A: TX\x07\nend")), "t.lfm(1): unexpected character \"#7\"");
}

TEST(LayoutParser, DeepNestingIsRefusedNotOverflowed) {
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("object A: TX\n");
    EXPECT_EQ(parseError(text), QStringLiteral("t.lfm(65): objects nested too deeply at \"object\""));
    QString ok;
    for (int i = 0; i < kMaxLayoutNesting; ++i)
        ok += QStringLiteral("object A: TX\n");
    for (int i = 0; i < kMaxLayoutNesting; ++i)
        ok += QStringLiteral("end\n");
    EXPECT_EQ(parseError(ok), QString());
}

// Regression seeds of malformed layouts: each must fail with a layout error, never crash or hang.
TEST(LayoutParser, MalformedSeedsFailCleanly) {
    const QDir dir(QStringLiteral(KYVELO_TEST_DATA "/layouts"));
    const QStringList seeds = dir.entryList({QStringLiteral("bad_*.lfm")}, QDir::Files);
    ASSERT_FALSE(seeds.isEmpty());
    for (const QString& name : seeds) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_THROW(parseLayout(f.readAll(), name), ELayoutError) << name.toStdString();
    }
}
